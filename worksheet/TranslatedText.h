#pragma once
// A text of the program's own, written in Japanese (UTF-8) as the source has it and
// shown in the language chosen at start-up. It is looked up each time it is used,
// never while the program starts, so that the translation installed in main() reaches
// every text; lupdate finds each one by the QT_TRANSLATE_NOOP it is written with.
// Where it is used it stands for a QString: `Texts::Heading`, `Texts::X + y`,
// `Texts::X.arg(n)`.

#include <QCoreApplication>
#include <QString>

#include <utility>

// The translation context of every text of the program.
inline constexpr char TextContext[] = "Texts";

struct TText {
    const char* Source;
    // Tells apart two uses of one source text that other languages word differently.
    const char* Disambiguation = nullptr;

    operator QString() const { return QCoreApplication::translate(TextContext, Source, Disambiguation); }
    QString Text() const { return *this; }
    // A text counting Count things ("%n"), in the plural form the language gives Count.
    QString Counting(int Count) const
    {
        return QCoreApplication::translate(TextContext, Source, Disambiguation, Count);
    }
    template <typename... TArgs> QString arg(TArgs&&... Args) const
    {
        return Text().arg(std::forward<TArgs>(Args)...);
    }
    // Whether the text is shown as the source writes it, untranslated.
    bool AsWritten() const { return Text() == QString::fromUtf8(Source); }
};
