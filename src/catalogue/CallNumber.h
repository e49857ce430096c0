// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class SharedConnection;

// The call number 索书号 and order number 种次号 (zch) proposed for a class number:
// the class number, "/" and one more than the largest zch stored in that class
// (1 when there is none). Numbers come from stored rows; nothing is reserved.
struct CallNumber {
    QString callNumber; // 索书号, e.g. "I247.5/13"
    int zch = 0;        // 13

    // Nothing (zch 0) for an empty class number. Throws DatabaseError.
    static CallNumber propose(const SharedConnection &db, const QString &classNumber);
    bool isValid() const { return zch > 0; }
};
