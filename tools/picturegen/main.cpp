// Writes every picture of the program into one directory; the output is the same bytes on every
// run, so the committed files can be checked against a fresh run.
#include "buttonpictures.h"
#include "displaypanel.h"
#include "icondesign.h"
#include "imagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <utility>
#include <vector>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: picturegen OUTPUT_DIRECTORY\n";
        return 2;
    }
    const QDir dir(args.at(1));
    if (!QDir().mkpath(dir.absolutePath())) {
        err << "picturegen: cannot create " << dir.absolutePath() << '\n';
        return 1;
    }

    constexpr int jpegQuality = 95;
    const VectorPicture icon = IconDesign::picture();
    const std::vector<std::pair<QString, QByteArray>> files{
        {QStringLiteral("brisolant.ico"), ImageFiles::ico24(icon.render(32))},
        {QStringLiteral("brisolant-16.png"),
         ImageFiles::png(IconDesign::smallPicture().render(16))},
        {QStringLiteral("brisolant-32.png"), ImageFiles::png(icon.render(32))},
        {QStringLiteral("brisolant-64.png"), ImageFiles::png(icon.render(64))},
        {QStringLiteral("brisolant.svg"), icon.svg(QStringLiteral("Brisolant"))},
        {QStringLiteral("display.jpg"), ImageFiles::jpeg(DisplayPanel(1).image(), jpegQuality)},
        {QStringLiteral("display@2x.jpg"), ImageFiles::jpeg(DisplayPanel(2).image(), jpegQuality)},
        {QStringLiteral("info.bmp"), ImageFiles::bmp32(ButtonPictures::info(1))},
        {QStringLiteral("info@2x.bmp"), ImageFiles::bmp32(ButtonPictures::info(2))},
        {QStringLiteral("close.bmp"), ImageFiles::bmp32(ButtonPictures::close(1))},
        {QStringLiteral("close@2x.bmp"), ImageFiles::bmp32(ButtonPictures::close(2))},
    };
    for (const auto& [name, bytes] : files) {
        if (!ImageFiles::save(dir.filePath(name), bytes)) {
            err << "picturegen: cannot write " << dir.filePath(name) << '\n';
            return 1;
        }
    }
    return 0;
}
