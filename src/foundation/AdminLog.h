// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class SharedConnection;

// Writes one row of the operator log 管理员日志: the event word, the current time to the
// second, the operator and the detail text. Throws DatabaseError on failure.
void AdminLog(const SharedConnection &db, const QString &event, const QString &detail,
              const QString &operatorName);
