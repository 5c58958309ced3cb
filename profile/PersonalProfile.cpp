#include "PersonalProfile.h"

#include "BoxNumber.h"

#include "common/SettingKeys.h"
#include "common/Settings.h"

const QString PersonalProfile::kDefaultFirstName = QStringLiteral("Enter First Name");
const QString PersonalProfile::kDefaultLastName = QStringLiteral("Enter Last Name");
const QString PersonalProfile::kDefaultSex = QStringLiteral("M");

namespace {

using namespace SettingKeys;

qint16 storedNumber(const Settings &settings, const QString &key, qint16 fallback)
{
    const QString text = settings.get(PersonalInformation, key, QString::number(fallback));
    return BoxNumber::nearest(text, PersonalProfile::kLowest, PersonalProfile::kHighest)
        .value_or(fallback);
}

// One number box of the window, with the words that name it to the user.
struct NumberBox
{
    const QString &text;
    const char *name;
};

QString outOfRange(const NumberBox &box)
{
    return QStringLiteral("Your %1 must be a number from %2 to %3.")
        .arg(QLatin1String(box.name))
        .arg(PersonalProfile::kLowest)
        .arg(PersonalProfile::kHighest);
}

} // namespace

PersonalProfile PersonalProfile::load(const Settings &settings)
{
    PersonalProfile p;
    p.firstName = settings.get(PersonalInformation, FirstName, kDefaultFirstName);
    p.lastName = settings.get(PersonalInformation, LastName, kDefaultLastName);
    p.weight = storedWeight(settings);
    p.age = storedNumber(settings, Age, kDefaultAge);
    p.feet = storedNumber(settings, HFeet, kDefaultFeet);
    p.inches = storedNumber(settings, HInches, kDefaultInches);
    p.sex = settings.get(PersonalInformation, Sex, kDefaultSex);
    return p;
}

qint16 PersonalProfile::storedWeight(const Settings &settings)
{
    return BodyWeight::wholePounds(settings);
}

QString PersonalProfile::windowCaption() const
{
    if (firstName == kDefaultFirstName)
        return QStringLiteral("Personal Information");
    return firstName + QStringLiteral("'s Personal Information - Remember To Update Your Weight");
}

ProfileBoxes::HistoryEntry ProfileBoxes::historyEntry() const
{
    HistoryEntry entry;
    const NumberBox boxes[] = {{age, "age"}, {weight, "weight"}, {feet, "height in feet"},
                               {inches, "height in inches"}};
    qint16 whole[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto v = BoxNumber::wholePart(boxes[i].text, PersonalProfile::kLowest,
                                            PersonalProfile::kHighest);
        if (!v) {
            entry.problem = outOfRange(boxes[i]);
            return entry;
        }
        whole[i] = *v;
    }
    const int height = whole[2] * 12 + whole[3];
    if (height > PersonalProfile::kHighest) {
        entry.problem = QStringLiteral("Your height must be at most %1 inches in all.")
                            .arg(PersonalProfile::kHighest);
        return entry;
    }
    entry.age = whole[0];
    entry.weight = whole[1];
    entry.height = qint16(height);
    return entry;
}

QStringList ProfileBoxes::save(Settings &settings) const
{
    QStringList kept;
    auto storeNumber = [&](const QString &key, const NumberBox &box) {
        const auto v = BoxNumber::nearest(box.text, PersonalProfile::kLowest,
                                          PersonalProfile::kHighest);
        if (v)
            settings.set(PersonalInformation, key, QString::number(*v));
        else
            kept << outOfRange(box) + QStringLiteral(" The stored %1 was kept.")
                                          .arg(QLatin1String(box.name));
    };
    settings.set(PersonalInformation, FirstName, firstName);
    settings.set(PersonalInformation, LastName, lastName);
    storeNumber(Weight, {weight, "weight"});
    storeNumber(Age, {age, "age"});
    storeNumber(HFeet, {feet, "height in feet"});
    storeNumber(HInches, {inches, "height in inches"});
    settings.set(PersonalInformation, Sex, sex);
    return kept;
}
