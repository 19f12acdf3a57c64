#include "Preview.h"
#include "SkinSet.h"

#include <QGuiApplication>
#include <QTextStream>

// Draws the whole skin into the given RES folder and writes a preview
// picture: skingen <RES folder> <preview.png>
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: skingen <RES folder> <preview.png>\n";
        return 2;
    }
    const SkinSet set = DrawSkin();
    const QString mismatch = CompareWithTable(set);
    if (!mismatch.isEmpty()) {
        err << "the drawn skin differs from the skin table:\n" << mismatch;
        return 1;
    }
    const QString failure = WriteSkin(set, args.at(1));
    if (!failure.isEmpty()) {
        err << failure << "\n";
        return 1;
    }
    if (!ComposePreview(set).save(args.at(2), "PNG")) {
        err << "cannot write " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
