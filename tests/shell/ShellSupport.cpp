#include "ShellSupport.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "shell/Application.h"

namespace ilmo::shell::testing {

QString program_folder() { return qEnvironmentVariable("ILMO_PROGRAM_FOLDER"); }

ShellRig::ShellRig(RigOptions options) : bus_(std::make_shared<sim::SimBus>()) {
    QStandardPaths::setTestModeEnabled(true);
    // The stored language and the like go to a folder of the test's own.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                           QStringLiteral("/ilmo-test-settings-%1").arg(QCoreApplication::applicationPid()));
    backend_ = std::make_unique<sim::SimBackend>(bus_);
    skin_ = std::make_unique<SkinResources>(program_folder());
    register_program_controls(*skin_);
    skin_->install_style();
    ShellContext context;
    context.program_folder = program_folder();
    context.user_data_folder = user_data_.path();
    context.backend = backend_.get();
    context.demo_bus = bus_;
    context.trace = std::move(options.trace);
    context.system_tray = options.system_tray;
    window_ = std::make_unique<CMainWnd>(context, *skin_, session_);
}

ShellRig::~ShellRig() { window_.reset(); }

void ShellRig::settle() {
    // The scanner wakes on the change at once; give the window its queued hand-overs and the
    // item timers (the first contact comes 500 ms after connecting).
    QTest::qWait(900);
}

}  // namespace ilmo::shell::testing
