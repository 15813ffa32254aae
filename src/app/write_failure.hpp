// Why a file could not be written, in the operator's language of the message boxes
// (Russian): the usual reasons by name, any other by its system error number.
#pragma once

#include <QString>

namespace tarn::app {

enum class WriteProblem { NoFolder, IsFolder, Denied, DiskFull, Other };

// `error` is the errno of the failed call (0 when unknown); the file system is looked at
// to tell a missing folder and a folder given as the file from the rest.
WriteProblem classifyWriteFailure(const QString& path, int error);

// One sentence naming the reason; the missing folder is named by its path.
QString writeProblemText(WriteProblem problem, const QString& path, int error);

// The warning of a failed report file write: the file's name, then the reason.
QString outputFailureText(const QString& path, int error);

}  // namespace tarn::app
