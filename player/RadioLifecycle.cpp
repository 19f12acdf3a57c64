#include "Radio.h"

#include "AcpiDevice.h"
#include "FacePictures.h"
#include "Mixer.h"
#include "ModuleLoader.h"
#include "PresetFile.h"
#include "SkinImage.h"
#include "SkinPicture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

// The ACPI method that selects the audio path, as the driver reads its name.
constexpr const char* OutputMethod = "SNDO";

} // namespace

TfrmRadio::TfrmRadio(RadioState& state, RadioServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state), m_services(std::move(services))
{
    setWindowTitle(QStringLiteral("Solvane"));
    setFixedSize(ClientWidth, ClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - ClientWidth) / 2, area.y() + (area.height() - ClientHeight) / 2);
    }
    BuildComponents();

    m_state.AppDir = m_services.AppDir;

    BindRegionLibrary();
    if (m_terminateRequested)
        return;

    BuildRegions();

    BindRadioModule();
    if (m_terminateRequested)
        return;

    if (m_state.Radio.HaveRadio && m_state.Radio.HaveRadio() == 0) {
        StartupMessage(QStringLiteral("Radio module not found !"), QStringLiteral("Quillon Radio Player"),
                       MessageIcon::Stop);
        ReleaseLibraries();
        RequestTerminate();
        return;
    }

    m_state.Radio.SetLocation(0);
    m_state.RadioMode = 0;
    m_state.Radio.SetMode(m_state.RadioMode);
    std::int32_t other = 0;
    m_state.Radio.GetLocation(1, &m_state.BandLow, &m_state.BandHigh, &other);

    FormCreate();
}

TfrmRadio::~TfrmRadio() = default;

void TfrmRadio::SetDialogs(TfrmStore* store, TfrmEdit* edit)
{
    m_store = store;
    m_edit = edit;
}

void TfrmRadio::BuildComponents()
{
    imgBackground = new SkinImage(this);
    imgBackground->setGeometry(0, 0, 508, 340);
    imgBackground->SetPicture(QImage(508, 340, QImage::Format_RGB32));
    imgBackground->Canvas().fill(Qt::black);
    imgBackground->SetHint(QStringLiteral("Quillon Radio Player"));
    imgBackground->SetShowHint(true);
    imgBackground->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseDown(b, x, y); };
    imgBackground->OnMouseMove = [this](int x, int y) { imgBackgroundMouseMove(x, y); };
    imgBackground->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseUp(b, x, y); };
    imgBackground->installEventFilter(this);

    imgVolDot = new SkinImage(this);
    imgVolDot->SetPicture(VolumeDotPicture());
    imgVolDot->SetTransparent(true);
    imgVolDot->move(510, 345);
    imgVolDot->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { imgVolDotMouseDown(b, x, y); };
    imgVolDot->OnMouseMove = [this](int x, int y) { imgVolDotMouseMove(x, y); };
    imgVolDot->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { imgVolDotMouseUp(b, x, y); };

    imgPlus = new SkinImage(this);
    imgPlus->setGeometry(393, 258, 8, 8);
    imgPlus->SetHint(QStringLiteral("Volume Up"));
    imgPlus->SetShowHint(true);
    imgPlus->OnClick = [this] { imgPlusClick(); };
    imgPlus->OnDblClick = [this] { imgPlusDblClick(); };

    imgMin = new SkinImage(this);
    imgMin->setGeometry(351, 278, 8, 8);
    imgMin->SetHint(QStringLiteral("Volume Down"));
    imgMin->SetShowHint(true);
    imgMin->OnClick = [this] { imgMinClick(); };
    imgMin->OnDblClick = [this] { imgMinDblClick(); };

    Image1 = new SkinImage(this);
    Image1->SetPicture(PointerPicture());
    Image1->SetTransparent(true);
    Image1->move(200, 164);
    Image1->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { DotDown(b, x, y); };
    Image1->OnMouseMove = [this](int x, int y) { DotMove(x, y); };
    Image1->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { DotUp(b, x, y); };

    tmrScan = new QTimer(this);
    tmrScan->setInterval(500);
    connect(tmrScan, &QTimer::timeout, this, [this] { tmrScanTimer(); });
    tmrTime = new QTimer(this);
    tmrTime->setInterval(1000);
    connect(tmrTime, &QTimer::timeout, this, [this] { tmrTimeTimer(); });
}

void TfrmRadio::StartupMessage(const QString& text, const QString& caption, MessageIcon icon)
{
    if (m_services.Messages)
        m_services.Messages->Show({text, caption, icon});
}

void TfrmRadio::RequestTerminate()
{
    m_terminateRequested = true;
}

void TfrmRadio::BindRegionLibrary()
{
    if (!m_state.RegionLibrary)
        m_state.RegionLibrary = LoadModule("Contora.dll", m_state.AppDir.toStdString());
    if (m_state.RegionLibrary)
        m_state.GetPictureRegion =
            reinterpret_cast<GetPictureRegionFn>(FindEntryPoint(m_state.RegionLibrary, "GetPictureRegion"));
    // A library without its one entry point is as useless as a missing
    // one: the window could get neither its shape nor its controls.
    if (!m_state.GetPictureRegion) {
        StartupMessage(QStringLiteral("Load Contora.dll failed !"), QString::fromLatin1(ApplicationTitle),
                       MessageIcon::None);
        ReleaseLibraries();
        RequestTerminate();
    }
}

void TfrmRadio::BindRadioModule()
{
    if (!m_state.RadioModule)
        m_state.RadioModule = LoadModule("Tessmod.dll", m_state.AppDir.toStdString());
    if (!m_state.RadioModule) {
        StartupMessage(QStringLiteral("Load Tessmod.dll failed !"), QString::fromLatin1(ApplicationTitle),
                       MessageIcon::None);
        ReleaseLibraries();
        RequestTerminate();
        return;
    }
    if (!ResolveRadioEntryPoints(m_state.RadioModule, m_state.Radio))
        StartupMessage(QStringLiteral("Can't get functions !"), QStringLiteral("Radio"), MessageIcon::None);
}

void TfrmRadio::ReleaseLibraries()
{
    m_state.Radio = RadioEntryPoints{};
    m_state.GetPictureRegion = nullptr;
    if (m_state.RadioModule) {
        UnloadModule(m_state.RadioModule);
        m_state.RadioModule = nullptr;
    }
    if (m_state.RegionLibrary) {
        UnloadModule(m_state.RegionLibrary);
        m_state.RegionLibrary = nullptr;
    }
}

void TfrmRadio::FormCreate()
{
    if (OpenAcpiDevice() == 0) {
        FormClose();
        RequestTerminate();
        return;
    }
    AudioOutput = 1;
    DrawFacePicture(0, 0, QStringLiteral("RES\\main_on.jpg"));

    if (m_services.OpenMixer)
        MixerHandle = m_services.OpenMixer();
    if (MixerHandle) {
        MixerHandle->SetChangeHandler([this] { MixerWndProc(MM_MIXM_CONTROL_CHANGE); });
        MixerVolume = static_cast<unsigned>(MixerControl(1, 0));
        MixerControl(6, 0);
        MixerControl(8, 0);
        MixerMax = 65535;
        MixerMin = 0;
        VolumeUnit = (MixerMax - MixerMin + 1) / 24;
        BarFrequency();
    }
}

int TfrmRadio::OpenAcpiDevice()
{
    if (m_services.CreateAcpiDevice)
        m_acpi = m_services.CreateAcpiDevice();
    if (m_acpi && m_acpi->Open())
        return 1;
    StartupMessage(QStringLiteral("Can't Open ACPI QVR0100 kernel Mode Driver"), QStringLiteral("test bios str"),
                   MessageIcon::Warning);
    return 0;
}

int TfrmRadio::CallAcpiMethod(const char* method, int argument, int& result)
{
    if (!m_acpi) {
        result = 0;
        return 1;
    }
    return ::CallAcpiMethod(*m_acpi, AcpiMethodName(method), argument, result);
}

void TfrmRadio::FormShow()
{
    m_state.RadioMode = 1;
    m_state.Radio.SetMode(m_state.RadioMode);
    RestoreRadioState();
}

void TfrmRadio::FormActivate()
{
    move(x(), y() - 100);
}

void TfrmRadio::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown || m_terminateRequested)
        return;
    m_shown = true;
    FormShow();
    // The main window becomes the focused window once, right after its
    // first showing; modal dialogs hand the focus back without moving it.
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TfrmRadio::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (Scanning()) {
        // The module's AutoScan is still running under us: stop it and let
        // the scan command close the window once AutoScan has returned.
        m_closeAfterScan = true;
        m_state.Radio.AutoScan(-1);
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmRadio::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    tmrScan->stop();
    tmrTime->stop();

    int result = 0;
    CallAcpiMethod(OutputMethod, 1, result);

    // A window that never came up never tuned the remembered station: what
    // the tuner reports then would overwrite it.
    if (m_shown) {
        m_state.CurrentFrequency = m_state.Radio.GetFrequency(0);
        try {
            PresetFile presets(PresetFilePath());
            presets.WriteString(QStringLiteral("LastOne"), QStringLiteral("LastChannel"),
                                QString::number(m_state.CurrentFrequency));
        } catch (const std::exception& error) {
            // The tuner must still be switched off and everything released.
            StartupMessage(QString::fromStdString(error.what()), QString::fromLatin1(ApplicationTitle),
                           MessageIcon::Stop);
        }
    }

    m_state.Radio.SetMode(0);
    m_state.Radio.CloseRadio();

    MixerControl(6, 1);
    MixerControl(8, 1);
    MixerHandle.reset();

    ReleaseLibraries();
    if (m_acpi) {
        m_acpi->Close();
        m_acpi.reset();
    }
}

void TfrmRadio::QueryEndSession()
{
    // The session is ending: a dialog left open is cancelled first, so that
    // nothing keeps the program alive once the radio has closed.
    for (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != this;
         dialog = QApplication::activeModalWidget()) {
        dialog->close();
        if (dialog->isVisible())
            break;
    }
    close();
}

void TfrmRadio::ResumeFromSuspend()
{
    if (!m_closed)
        m_state.Radio.SetMode(m_state.RadioMode);
}
