#include "app/ParserTexts.h"

#include <cstring>

QString ParserTexts::translate(const char* context, const char* sourceText, const char*,
                               int) const {
    static const struct {
        const char* english;
        const char* romanian;
    } texts[] = {{"Usage: %1", "Utilizare: %1"},
                 {"Options:", "Optiuni:"},
                 {"Arguments:", "Argumente:"},
                 {"[options]", "[optiuni]"}};
    if (std::strcmp(context, "QCommandLineParser") != 0)
        return {};
    for (const auto& t : texts)
        if (std::strcmp(sourceText, t.english) == 0)
            return QString::fromLatin1(t.romanian);
    return {};
}
