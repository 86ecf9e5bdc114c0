#include "shell/Application.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/HidrawBackend.h"
#include "platform/MonitorSize.h"
#include "shell/AccessNoticeDisplay.h"
#include "shell/CDevicePage.h"
#include "shell/CLightControlUI.h"
#include "shell/CMainWnd.h"
#include "shell/CMsgWnd.h"
#include "shell/Density.h"
#include "shell/DevSimPanel.h"
#include "shell/ProgramFolder.h"
#include "shell/SessionService.h"
#include "shell/SingleInstance.h"
#include "shell/SkinResources.h"
#include "shell/SleepWatch.h"
#include "shell/TerminationSignals.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/LightPanelNames.h"
#include "sim/DemoRig.h"

namespace ilmo::shell {

namespace {

// Long enough for the emulated devices to be found and their pages to start.
constexpr int kScreenshotSettleMs = 1500;
// The demo devices' items show half a second after they connect; this leaves room for that.
constexpr int kDemoSyncDelayMs = 1500;

struct Backend {
    std::unique_ptr<sim::DemoRig> demo;
    std::unique_ptr<device::HidBackend> hardware;
    std::shared_ptr<sim::SimBus> bus;  // the emulator's hardware side, demo only
    device::HidBackend* hid = nullptr;
};

Backend make_backend(bool demo, platform::AccessNoticeSink access_notices) {
    Backend backend;
    if (demo) {
        backend.demo = std::make_unique<sim::DemoRig>();
        backend.bus = backend.demo->bus();
        backend.hid = &backend.demo->backend();
    } else {
        backend.hardware = std::make_unique<platform::HidrawBackend>(std::move(access_notices));
        backend.hid = backend.hardware.get();
    }
    return backend;
}

// The layouts are drawn at 96 dots per inch; a large monitor lays the program out at 144.
// Qt takes its scale factors only when it starts, so the X server is asked first, and the
// factor goes to each monitor by name: a window is laid out for the monitor that holds it, and
// a small monitor beside a large one does not get a window too big for it. Scales the user set
// keep precedence.
void scale_for_monitors() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ||
        qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
        return;
    const std::string factors = screen_scale_factors(platform::x11_monitors());
    if (!factors.empty()) {
        qputenv("QT_SCREEN_SCALE_FACTORS", QByteArray::fromStdString(factors));
        return;
    }
    // Without the RandR extension Qt sees the X screen as one monitor.
    const auto size = platform::x11_screen_size();
    if (!size) return;
    const int density = density_for_monitor(size->width_px, size->height_px);
    if (density != kBaseDensity)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(density_scale(density)));
}

// False when another copy runs: it was asked to show itself, and this start says so.
bool claim_single_instance(SingleInstance& guard) {
    switch (guard.claim()) {
        case SingleInstance::Claim::Claimed:
            return true;
        case SingleInstance::Claim::HandedOver:
            std::printf(
                "ilmo is already running; handed over to the running copy, which shows "
                "its window.\n");
            return false;
        case SingleInstance::Claim::NoAnswer:
            std::printf("ilmo is already running, but the running copy did not answer (%s).\n",
                        qPrintable(guard.socket_path()));
            return false;
    }
    return false;
}

}  // namespace

void register_program_controls(SkinResources& skin) {
    for (const auto& page : names::device_page::kPages) {
        skin.factory().add(QString::fromLatin1(page.root_class),
                           [](QWidget* parent) { return new CDevicePage(parent); });
    }
    skin.factory().add_subtree("DeviceProfileUI", "XML\\CustomControlXML\\DeviceProfile.xml");
    skin.factory().add(QString::fromLatin1(names::light_panel::kPanelClass),
                       [](QWidget* parent) { return new CLightControlUI(parent); });
}

bool parse_start_options(int argc, char** argv, StartOptions& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--demo") == 0) {
            options.demo = true;
        } else if (std::strcmp(argv[i], "--tray") == 0) {
            options.start_in_tray = true;
        } else if (std::strcmp(argv[i], "--emulator-panel") == 0) {
            options.show_emulator = true;
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            options.screenshot = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

int run_application(int argc, char** argv) {
    StartOptions options;
    if (!parse_start_options(argc, argv, options)) {
        std::fputs("usage: ilmo [--tray] [--demo [--emulator-panel]] [--screenshot FILE.png]\n",
                   stderr);
        return 2;
    }
    scale_for_monitors();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("ILMO RQ07");
    QApplication::setApplicationName("ilmo");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QApplication::setQuitOnLastWindowClosed(false);

    ShellContext context;
    context.program_folder = find_program_folder();
    context.user_data_folder = user_data_folder();
    context.trace = device::environment_trace_sink();
    load_private_fonts(context.program_folder);

    // Every start, the one that hands over included, traces the number its identity message
    // goes by, so the later show requests in the traces can be matched to it.
    if (context.trace) {
        context.trace(
            QStringLiteral("软件标示：%1").arg(CMainWnd::identity_message_number()).toStdString());
    }

    QString instance = qEnvironmentVariable("ILMO_INSTANCE_NAME");
    if (instance.isEmpty()) instance = SingleInstance::default_name();
    SingleInstance guard(instance);
    if (!claim_single_instance(guard)) return 0;

    // Declared before the backend: the scanning thread may call its sink until the window
    // (declared later, so destroyed first) has stopped it.
    AccessNoticeDisplay access_notices;
    Backend backend =
        make_backend(options.demo, access_notices.sink(platform::stderr_notice_sink()));
    context.backend = backend.hid;
    context.demo_bus = backend.bus;

    SkinResources skin(context.program_folder);
    register_program_controls(skin);
    skin.install_style();
    SessionService session;
    session.register_on_session_bus();
    SleepWatch sleep_watch;
    sleep_watch.start();

    CMainWnd window(context, skin, session);
    if (!window.built()) {
        std::fprintf(stderr, "ilmo: the main window layout could not be built from %s/skin: %s\n",
                     qPrintable(context.program_folder), qPrintable(skin.loader().error_text()));
        return 1;
    }
    access_notices.show_with([&window, &skin, trace = context.trace](const QString& message) {
        CMsgWnd::ask(&window, skin, {}, message, CMsgWnd::Buttons::ConfirmOnly, window.density(),
                     trace);
    });
    QObject::connect(&guard, &SingleInstance::show_requested, &window, &CMainWnd::show_and_raise);
    QObject::connect(&session, &SessionService::show_requested, &window, &CMainWnd::show_and_raise);
    QObject::connect(&session, &SessionService::lighting_control_requested, &window,
                     &CMainWnd::set_lighting_control);
    QObject::connect(&session, &SessionService::game_event, &window, &CMainWnd::handle_game_event);
    QObject::connect(&sleep_watch, &SleepWatch::suspending, &window, &CMainWnd::suspend);
    QObject::connect(&sleep_watch, &SleepWatch::resumed, &window, &CMainWnd::resume);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::termination_requested, &window,
                     &CMainWnd::exit_program);

    std::unique_ptr<DevSimPanel> emulator;
    if (backend.bus) {
        emulator = std::make_unique<DevSimPanel>(backend.bus);
        window.add_tray_action("emulator", "menu_emulator_text", [&emulator] {
            emulator->show();
            emulator->raise();
        });
        if (options.show_emulator) emulator->show();
    }

    if (options.screenshot != nullptr) {
        const QString target = QString::fromLocal8Bit(options.screenshot);
        QObject::connect(&window, &CMainWnd::first_scan_done, &window, [&window, target] {
            QTimer::singleShot(kScreenshotSettleMs, &window, [&window, target] {
                const bool saved = window.grab().save(target);
                std::printf("%s %s\n", saved ? "saved the main window to" : "could not write",
                            qPrintable(target));
                window.exit_program();
            });
        });
    }
    window.set_start_in_tray(options.start_in_tray);
    if (qEnvironmentVariableIsSet("ILMO_REPORT_STARTUP")) {
        // For the start-up benchmark: how long until the first scan is done and shown.
        QObject::connect(&window, &CMainWnd::first_scan_done, &window, [] {
            std::printf("first scan done, window %s\n", "ready");
            std::fflush(stdout);
        });
    }
    if (options.demo && qEnvironmentVariableIsSet("ILMO_DEMO_SYNC")) {
        // For the sync benchmark: every demo device takes part once their items are shown
        // (half a second after they connect).
        QObject::connect(&window, &CMainWnd::first_scan_done, &window, [&window] {
            QTimer::singleShot(kDemoSyncDelayMs, &window, [&window] {
                std::printf("sync on %d devices\n", window.take_part_in_sync_everywhere());
                std::fflush(stdout);
            });
        });
    }
    QTimer::singleShot(0, &window, &CMainWnd::initialise);
    return QApplication::exec();
}

}  // namespace ilmo::shell
