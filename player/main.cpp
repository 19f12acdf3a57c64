#include "AcpiDevice.h"
#include "Edit.h"
#include "Editsub.h"
#include "Mixer.h"
#include "Radio.h"
#include "SessionEvents.h"
#include "SingleInstance.h"
#include "SolvaneApplication.h"
#include "Store.h"
#include "UserMessages.h"

#include <QDir>

#include <exception>

int main(int argc, char* argv[])
{
    // A second copy ends at once, silently: the running one is not touched.
    if (!ClaimSingleInstance("SolvaneMutex"))
        return 0;

    DesktopMessages messages;
    SolvaneApplication app(argc, argv, messages);
    try {
        RadioServices services;
        services.AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        services.Messages = &messages;
        services.CreateAcpiDevice = [] { return CreateAcpiDevice(); };
        services.OpenMixer = [] { return OpenSystemMixer(); };

        RadioState state;
        TfrmRadio frmRadio(state, std::move(services));
        if (frmRadio.TerminateRequested())
            return 0;
        TfrmStore frmStore(state, &messages, &frmRadio);
        TfrmEdit frmEdit(state, &messages, &frmRadio);
        TfrmEditSub frmEditSub(state, &messages, &frmEdit);
        frmEdit.SetEntryDialog(&frmEditSub);
        frmRadio.SetDialogs(&frmStore, &frmEdit);

        SessionEvents session;
        QObject::connect(&session, &SessionEvents::SessionEnding, &frmRadio, [&frmRadio] {
            frmRadio.QueryEndSession();
        });
        QObject::connect(&session, &SessionEvents::Resumed, &frmRadio, [&frmRadio] { frmRadio.ResumeFromSuspend(); });

        frmRadio.show();
        return app.exec();
    } catch (const std::exception& error) {
        messages.Show({QString::fromUtf8(error.what()), QString::fromLatin1(ApplicationTitle), MessageIcon::Stop});
        return 0;
    }
}
