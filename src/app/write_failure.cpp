#include "app/write_failure.hpp"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>

namespace tarn::app {

WriteProblem classifyWriteFailure(const QString& path, int error) {
    const QFileInfo file(path);
    if (file.isDir()) return WriteProblem::IsFolder;
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return WriteProblem::NoFolder;
    switch (error) {
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return WriteProblem::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
            return WriteProblem::Denied;
        case ENOENT:
            return WriteProblem::NoFolder;
        default:
            break;
    }
    if (error == 0) {
        if ((file.exists() && !file.isWritable()) || (!file.exists() && !folder.isWritable())) {
            return WriteProblem::Denied;
        }
        const QStorageInfo volume(folder.absoluteFilePath());
        if (volume.isValid() && volume.isReadOnly()) return WriteProblem::Denied;
        if (volume.isValid() && volume.bytesAvailable() == 0) return WriteProblem::DiskFull;
    }
    return WriteProblem::Other;
}

QString writeProblemText(WriteProblem problem, const QString& path, int error) {
    switch (problem) {
        case WriteProblem::NoFolder:
            return QStringLiteral("Папка %1 не существует.")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        case WriteProblem::IsFolder:
            return QStringLiteral("Это имя папки, а не файла.");
        case WriteProblem::Denied:
            return QStringLiteral("Нет прав на запись в этот файл или папку.");
        case WriteProblem::DiskFull:
            return QStringLiteral("На диске нет свободного места.");
        case WriteProblem::Other:
            break;
    }
    return error != 0 ? QStringLiteral("Ошибка записи (код %1).").arg(error)
                      : QStringLiteral("Ошибка записи.");
}

QString outputFailureText(const QString& path, int error) {
    return QStringLiteral(
               "Не удалось записать отчет в файл %1.\n%2\n"
               "Пока запись не восстановится, это предупреждение больше не появится.")
        .arg(QDir::toNativeSeparators(path),
             writeProblemText(classifyWriteFailure(path, error), path, error));
}

}  // namespace tarn::app
