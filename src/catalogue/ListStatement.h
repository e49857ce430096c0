// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QVariantList>

// The statement of a management window's list: its text (the shape the operator
// knows) and the values bound to its markers. No value is ever part of the text.
struct ListStatement {
    QString sql;
    QVariantList values;

    bool isEmpty() const { return sql.isEmpty(); }
};

// The outcome of building a search: a statement, a message for the operator, or
// neither (an incomplete form, where nothing happens).
struct SearchBuild {
    bool ok = false;
    QString message;
    ListStatement statement;

    static SearchBuild ready(ListStatement s) { return {true, {}, std::move(s)}; }
    static SearchBuild refused(const QString &message) { return {false, message, {}}; }
    static SearchBuild nothing() { return {}; }
};
