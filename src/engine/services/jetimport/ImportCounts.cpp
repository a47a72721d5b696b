#include "services/jetimport/ImportCounts.h"

QString ImportCounts::describe() const {
    QString text = QStringLiteral("Randuri citite: %1, importate: %2, sarite: %3")
                       .arg(read)
                       .arg(imported)
                       .arg(present + invalid);
    if (present + invalid > 0)
        text += QStringLiteral(" (%1 existau deja, dintre care %2 cu alte date pastrate "
                               "neschimbate; %3 invalide)")
                    .arg(present)
                    .arg(differed)
                    .arg(invalid);
    text += QLatin1Char('.');
    for (const QString& r : reasons)
        text += QStringLiteral("\n  ") + r;
    return text;
}
