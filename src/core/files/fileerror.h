#pragma once

#include "core/result.h"

#include <QString>
#include <optional>

namespace chaserom {

/// The file operation that failed, for the wording of its report.
enum class FileAction {
    OpenImage,
    OpenLockedImage,
    Backup,
    ReadImage,
    WriteImage,
    ReadColours,
    WriteColours,
    ReadLayout,
    WriteLayout,
    ReadPicture,
    WriteResizedCopy,
    UndoStep,
    RedoStep,
    ReadRecords,
    WriteRecords,
    WriteAnimation,
    WriteImageCopy,
    ReadBoard,
    WriteBoard,
};

/// How far a failure stops what was asked.
enum class Severity {
    /// Nothing was done.
    Error,
    /// Done as far as it could be; the user is told what was left out.
    Warning,
};

/// A failed file operation: what was done, to which file, and why it failed (in Russian).
struct FileError {
    FileAction action;
    QString path;
    QString reason;
    Severity severity = Severity::Error;
};

/// Empty when a file operation succeeded, else what went wrong.
using FileFailure = Failure<FileError>;

/// What a file operation made, or what went wrong.
template <typename T> using FileResult = Result<T, FileError>;

/// The reason for a system error number, in Russian.
[[nodiscard]] QString systemErrorReason(int errorNumber);

/// A failure built from the calling thread's errno, read at once after the failing call.
[[nodiscard]] FileError lastSystemError(FileAction action, const QString& path);

/// The full text of a failure report, naming the file and the reason.
[[nodiscard]] QString failureText(const FileError& error);

} // namespace chaserom
