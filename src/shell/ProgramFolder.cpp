#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>

#include "platform/UserDataFolder.h"

namespace ilmo::shell {

namespace {

const char* const kPrivateFonts[] = {"Simplified_Chinese.ttf", "Corvane-Regular.otf",
                                     "NotoSansThai-Regular.ttf", "NotoSansCJKtc-Regular.otf"};

}  // namespace

QString find_program_folder() {
    const QString configured = qEnvironmentVariable("ILMO_PROGRAM_FOLDER");
    if (!configured.isEmpty()) return QDir(configured).absolutePath();
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo(beside + "/skin").isDir()) return beside;
    return QDir(beside + "/../share/ilmo-rq07").absolutePath();
}

QString user_data_folder() {
    return QString::fromStdString(platform::user_data_folder().string());
}

int load_private_fonts(const QString& program_folder) {
    int installed = 0;
    for (const char* name : kPrivateFonts) {
        const QString path = program_folder + "/Font/" + name;
        if (QFileInfo::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) ++installed;
    }
    return installed;
}

}  // namespace ilmo::shell
