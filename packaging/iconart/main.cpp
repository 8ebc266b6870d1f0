// iconart: draws the program's icon, as the program itself draws it, into an
// icon theme folder: FOLDER/<side>x<side>/apps/NAME.png for each side given.
//   iconart FOLDER NAME SIDE...
#include "BrandArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconart FOLDER NAME SIDE...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || side < 8 || side > 1024) {
            std::fprintf(stderr, "iconart: bad side '%s'\n", argv[i]);
            return 2;
        }
        const QString sub = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = folder.filePath(sub + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!folder.mkpath(sub) || !BrandArt::AppIcon(side).save(path, "PNG")) {
            std::fprintf(stderr, "iconart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
