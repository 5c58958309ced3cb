#include "mQuotes.h"

#include <QLabel>
#include <QList>

namespace mQuotes {

namespace {

const QList<Quote> &table()
{
    static const QList<Quote> quotes = {
        {QStringLiteral("Our bodies are our gardens, to the which our wills are gardeners."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("Well done is better than well said."), QStringLiteral(" - Benjamin Franklin")},
        {QStringLiteral("An ounce of prevention is worth a pound of cure."), QStringLiteral(" - Benjamin Franklin")},
        {QStringLiteral("Lost time is never found again."), QStringLiteral(" - Benjamin Franklin")},
        {QStringLiteral("Dost thou love life? Then do not squander time, for that's the stuff life is made of."), QStringLiteral(" - Benjamin Franklin")},
        {QStringLiteral("Trust thyself: every heart vibrates to that iron string."), QStringLiteral(" - Ralph Waldo Emerson")},
        {QStringLiteral("Those who think they have not time for bodily exercise will sooner or later have to find time for illness."), QStringLiteral(" - Edward Stanley, Earl of Derby")},
        {QStringLiteral("Far and away the best prize that life offers is the chance to work hard at work worth doing."), QStringLiteral(" - Theodore Roosevelt")},
        {QStringLiteral("It is not the critic who counts; not the man who points out how the strong man stumbles, or where the doer of deeds could have done them better. The credit belongs to the man who is actually in the arena, whose face is marred by dust and sweat and blood."), QStringLiteral(" - Theodore Roosevelt")},
        {QStringLiteral("The heights by great men reached and kept were not attained by sudden flight, but they, while their companions slept, were toiling upward in the night."), QStringLiteral(" - Henry Wadsworth Longfellow")},
        {QStringLiteral("Nothing great was ever achieved without enthusiasm."), QStringLiteral(" - Ralph Waldo Emerson")},
        {QStringLiteral("The reward of a thing well done is to have done it."), QStringLiteral(" - Ralph Waldo Emerson")},
        {QStringLiteral("To climb steep hills requires slow pace at first."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("I learned this, at least, by my experiment: that if one advances confidently in the direction of his dreams, and endeavors to live the life which he has imagined, he will meet with a success unexpected in common hours."), QStringLiteral(" - Henry David Thoreau")},
        {QStringLiteral("Methinks that the moment my legs begin to move, my thoughts begin to flow."), QStringLiteral(" - Henry David Thoreau")},
        {QStringLiteral("Orandum est ut sit mens sana in corpore sano."), QStringLiteral(" - Juvenal")},
        {QStringLiteral("A strong body makes the mind strong."), QStringLiteral(" - Thomas Jefferson")},
        {QStringLiteral("Our doubts are traitors, and make us lose the good we oft might win, by fearing to attempt."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("The fault, dear Brutus, is not in our stars, but in ourselves, that we are underlings."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("We know what we are, but know not what we may be."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("There is nothing either good or bad, but thinking makes it so."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("Ah, but a man's reach should exceed his grasp, or what's a heaven for?"), QStringLiteral(" - Robert Browning")},
        {QStringLiteral("That which we are, we are; one equal temper of heroic hearts, made weak by time and fate, but strong in will to strive, to seek, to find, and not to yield."), QStringLiteral(" - Alfred, Lord Tennyson")},
        {QStringLiteral("If you can fill the unforgiving minute with sixty seconds' worth of distance run, yours is the Earth and everything that's in it, and—which is more—you'll be a Man, my son!"), QStringLiteral(" - Rudyard Kipling")},
        {QStringLiteral("Success is counted sweetest by those who ne'er succeed."), QStringLiteral(" - Emily Dickinson")},
        {QStringLiteral("I am the master of my fate, I am the captain of my soul."), QStringLiteral(" - William Ernest Henley")},
        {QStringLiteral("Non est vivere, sed valere vita est."), QStringLiteral(" - Martial")},
        {QStringLiteral("Courage is resistance to fear, mastery of fear—not absence of fear."), QStringLiteral(" - Mark Twain")},
        {QStringLiteral("Habit is habit, and not to be flung out of the window by any man, but coaxed down-stairs a step at a time."), QStringLiteral(" - Mark Twain")},
        {QStringLiteral("Let us, then, be up and doing, with a heart for any fate; still achieving, still pursuing, learn to labor and to wait."), QStringLiteral(" - Henry Wadsworth Longfellow")},
        {QStringLiteral("Plough deep while sluggards sleep, and you shall have corn to sell and to keep."), QStringLiteral(" - Benjamin Franklin")},
        {QStringLiteral("Strength is built the way a house is built: one brick, one set, one honest day at a time, and no one sees it until it is done."),
         QStringLiteral(" - Kestrava Pulsar")},
        {QStringLiteral("Health is the vital principle of bliss, and exercise of health."), QStringLiteral(" - James Thomson")},
        {QStringLiteral("The wise, for cure, on exercise depend; God never made his work for man to mend."), QStringLiteral(" - John Dryden")},
        {QStringLiteral("Better to hunt in fields, for health unbought, than fee the doctor for a nauseous draught."), QStringLiteral(" - John Dryden")},
        {QStringLiteral("Things won are done; joy's soul lies in the doing."), QStringLiteral(" - William Shakespeare")},
        {QStringLiteral("The only way to have a friend is to be one."), QStringLiteral(" - Ralph Waldo Emerson")},
        {QStringLiteral("'Tis not too late to seek a newer world."), QStringLiteral(" - Alfred, Lord Tennyson")},
        {QStringLiteral("Whatever is worth doing at all, is worth doing well."), QStringLiteral(" - Lord Chesterfield")},
    };
    return quotes;
}

const Quote &defaultEntry()
{
    static const Quote quote = {
        QStringLiteral("Every workout you write down today is a promise kept to the person you will be tomorrow. "
                       "Start small, stay steady, and go on."),
        QStringLiteral(" - Kestrava Pulsar")};
    return quote;
}

} // namespace

Quote entry(int n)
{
    if (n >= 1 && n <= kCount)
        return table().at(n - 1);
    return defaultEntry();
}

Quote personal(const QString &firstName)
{
    return {firstName
                + QStringLiteral(" - you are stronger than you think, and every step you take today brings "
                                 "your goal a little closer. Keep going!"),
            QStringLiteral("- Your Kestrava Pulsar coach")};
}

void ShowQuote(qint16 &n, QLabel *quotation, QLabel *author)
{
    const Quote quote = entry(n);
    quotation->setText(quote.text);
    author->setText(quote.author);
    if (quotation->text().length() >= kLongQuote) {
        QFont font = quotation->font();
        font.setPointSizeF(kLongSize);
        quotation->setFont(font);
    }
}

} // namespace mQuotes
