#include "classroom/PageTexts.h"

#include "Texts.h"
#include "classroom/ResultStore.h"
#include "practice/Mistakes.h"

#include <QJsonArray>

QJsonObject PageTexts()
{
    // In the order the desktop names them: [id, name] pairs, since an object's keys
    // come sorted.
    QJsonArray mistakes;
    for (const TMistake mistake : {TMistake::OneMarkOff, TMistake::KilogramsAndGrams, TMistake::MarkSize,
                                   TMistake::Numeral, TMistake::WrongSide})
        mistakes.append(QJsonArray{MistakeId(mistake), MistakeName(mistake)});
    return {{QStringLiteral("lang"), Texts::PageStart.AsWritten() ? QStringLiteral("ja") : QStringLiteral("en")},
            {QStringLiteral("title"), Texts::ProjectName},
            {QStringLiteral("heading"), Texts::Heading.Text()},
            {QStringLiteral("headingDraw"), Texts::HeadingDraw.Text()},
            {QStringLiteral("name"), Texts::PageName.Text()},
            {QStringLiteral("class"), Texts::PageClass.Text()},
            {QStringLiteral("start"), Texts::PageStart.Text()},
            {QStringLiteral("wrongClass"), Texts::PageWrongClass.Text()},
            {QStringLiteral("badName"), Texts::PageBadName.Text()},
            {QStringLiteral("reconnecting"), Texts::PageReconnecting.Text()},
            {QStringLiteral("ended"), Texts::PageEnded.Text()},
            {QStringLiteral("sheetNumber"), Texts::PageSheetNumber.Text()},
            {QStringLiteral("mark"), Texts::PageMark.Text()},
            {QStringLiteral("next"), Texts::PageNext.Text()},
            {QStringLiteral("setNeedle"), Texts::PageSetNeedle.Text()},
            {QStringLiteral("right"), Texts::MarkRight.Text()},
            {QStringLiteral("wrong"), Texts::MarkWrong.Text()},
            {QStringLiteral("score"), Texts::PracticeScore.Text()},
            {QStringLiteral("perfect"), Texts::PracticePerfect.Text()},
            {QStringLiteral("tryAgain"), Texts::PracticeTryAgain.Text()},
            {QStringLiteral("board"), Texts::BoardTitle.Text()},
            {QStringLiteral("boardMistakes"), Texts::BoardMistakes.Text()},
            {QStringLiteral("columnName"), Texts::BoardName.Text()},
            {QStringLiteral("columnSheets"), Texts::BoardSheets.Text()},
            {QStringLiteral("columnRight"), Texts::BoardRight.Text()},
            {QStringLiteral("columnLevel"), Texts::BoardLevel.Text()},
            {QStringLiteral("columnMistake"), Texts::BoardMistake.Text()},
            {QStringLiteral("download"), Texts::BoardDownload.Text()},
            {QStringLiteral("mistakes"), mistakes}};
}
