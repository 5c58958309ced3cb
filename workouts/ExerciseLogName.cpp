#include "ExerciseLogName.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/Windows1252.h"

const QString ExerciseLogName::kTooLong = QStringLiteral("The name is too long for a file name.");

QString ExerciseLogName::fileName(const QString &code, const QString &name)
{
    return code + name + QStringLiteral(".txt");
}

QString ExerciseLogName::path(const QString &dataFolder, const QString &code, const QString &name)
{
    return RecordFile::path(dataFolder, fileName(code, name));
}

void ExerciseLogName::requireFileNamePart(const QString &codeAndName, const QString &catalogue, int line)
{
    if (codeAndName.contains(u'/') || codeAndName.contains(QChar(0)))
        throw RecordFileError(RecordFileError::TypeMismatch, catalogue,
                              QStringLiteral("\"%1\" cannot name a log in the data folder").arg(codeAndName), line);
}

namespace {

// Characters the files hold as written: every character of the text comes
// back from its bytes unchanged.
bool encodable(const QString &text)
{
    return Windows1252::decode(Windows1252::encode(text)) == text;
}

} // namespace

bool ExerciseLogName::usableName(const QString &name)
{
    if (name.trimmed().isEmpty() || !encodable(name))
        return false;
    for (const QChar c : name) {
        if (c == u'"' || c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool ExerciseLogName::usableText(const QString &text)
{
    if (!encodable(text))
        return false;
    for (const QChar c : text) {
        if (c == u'"')
            return false;
        if (c.category() == QChar::Other_Control && c != u'\r' && c != u'\n' && c != u'\t')
            return false;
    }
    return true;
}

bool ExerciseLogName::fitsFileName(const QString &dataFolder, const QString &code, const QString &name)
{
    return RecordFile::nameFits(path(dataFolder, code, name));
}

QString ExerciseLogName::alreadyCreated(const QString &name)
{
    return QStringLiteral("You've already created a database for ") + name
        + QStringLiteral(".  Go to Edit->Delete Exercise to delete the database and then come back "
                         "to add the exercise if you wish.");
}
