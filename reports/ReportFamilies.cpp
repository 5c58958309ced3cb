#include "ReportFamily.h"

#include "DescriptionReport.h"
#include "ExerciseLogReport.h"
#include "FoodsReport.h"
#include "TemplateReport.h"

#include "common/RecordFile.h"

#include <QFileInfo>
#include <QImageReader>

ReportFamily::~ReportFamily() = default;

std::unique_ptr<ReportFamily> ReportFamilies::make(ReportType type)
{
    switch (type) {
    case ReportType::ExerciseLog:
        return std::make_unique<ExerciseLogReport>();
    case ReportType::Template:
        return std::make_unique<TemplateReport>();
    case ReportType::Foods:
        return std::make_unique<FoodsReport>();
    case ReportType::Descriptions:
        return std::make_unique<DescriptionReport>();
    }
    return nullptr;
}

void ReportFamilies::addLogo(ColumnPage &page, const QString &dataFolder)
{
    const QString path = RecordFile::path(dataFolder, kLogoFile);
    // Only a regular file is read (a pipe would never end).
    if (!QFileInfo(path).isFile())
        return;
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return;
    // Its own size: by the resolution it was saved with, else 96 pixels to
    // the inch, as on the screen.
    const auto perInch = [](int dotsPerMeter) { return dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0; };
    const double width = image.width() / perInch(image.dotsPerMeterX()) * 1440;
    const double height = image.height() / perInch(image.dotsPerMeterY()) * 1440;
    page.picture(image, QRectF(10, 10, width, height));
}
