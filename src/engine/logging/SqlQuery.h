#pragma once

#include <QString>
#include <QVariantList>

/// A statement and its bound values, for a model that runs it itself.
struct SqlQuery {
    QString sql;
    QVariantList values;
};
