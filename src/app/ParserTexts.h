#pragma once

#include <QTranslator>

// The few headings QCommandLineParser writes into its help text, in Romanian like every other text
// of the program.
class ParserTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};
