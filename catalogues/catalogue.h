// What the catalogue screens share beyond the toolkit's list and editor
// screens: their SQL text helpers and the department list of their editors,
// all on the data module's one connection.
#pragma once

#include "zdb.h"
#include "zui.h"
#include "zui_parts.h"

class QLineEdit;
class QObject;

namespace zcat {

// A text box's text, trimmed (or not), as an SQL literal with apostrophes doubled.
QString sqlText(const QLineEdit* box);
QString sqlTextUntrimmed(const QLineEdit* box);

// Runs one writing statement through the data module's command.
void run(const QString& sql);

// The department list of the editors' lookup boxes (cb_department), sorted by
// name, owned by 'owner'.
zdb::Table* departmentList(QObject* owner);

// The choice of a header's person or counterparty: a row other than the one
// held becomes the held one, and the box shows its name even when it was held
// already. An empty list chooses nothing; the picker closes either way.
zui::Choice chooseInto(int& held, QLineEdit* box, const QString& nameField);

}  // namespace zcat
