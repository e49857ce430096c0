// SPDX-License-Identifier: MIT
#pragma once

class SharedConnection;

namespace Schema {
// The rows a new database starts with: the settings row, the super administrator,
// the default category and level, and a few real rows in each code table.
void insertSeedRows(const SharedConnection &db);
}
