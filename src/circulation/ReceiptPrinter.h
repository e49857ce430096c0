// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>

// The receipt printer, a plain character device written as a file. The port name of
// de.ini maps to a device: LPTn → /dev/usb/lp{n-1} when it exists, else /dev/lp{n-1};
// COMn → /dev/ttyS{n-1} (letters in either case); any other text is a path used as
// typed, relative to the working folder.
namespace ReceiptPrinter {
QString devicePath(const QString &port);

// Opens the port, writes the bytes and closes it, now. False with the reason in *error.
// A device is never created; a typed path is created or overwritten like a file.
bool write(const QString &port, const QByteArray &bytes, QString *error = nullptr);

// Writes on a background thread, so that a printer that is offline or a port that
// hangs never holds up the counter; receipts are written one after another, and a
// failure is dropped without a word.
void send(const QString &port, const QByteArray &bytes);
// Waits until every receipt sent so far has been written or has failed; false when
// that takes longer than msecs.
bool waitForIdle(int msecs);
// Sends and waits for this receipt; false when writing failed or did not finish in
// time (the test print's "失败!").
bool sendAndWait(const QString &port, const QByteArray &bytes, int msecs, QString *error = nullptr);
} // namespace ReceiptPrinter
