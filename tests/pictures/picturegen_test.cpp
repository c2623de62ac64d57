// The generator's output must be the committed files byte for byte, so that the
// pictures cannot drift from the code that draws them.
#include "picturefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList generated{
    QStringLiteral("brisolant-16.png"), QStringLiteral("brisolant-32.png"),
    QStringLiteral("brisolant-64.png"), QStringLiteral("brisolant.ico"),
    QStringLiteral("brisolant.svg"),    QStringLiteral("close.bmp"),
    QStringLiteral("close@2x.bmp"),     QStringLiteral("display.jpg"),
    QStringLiteral("display@2x.jpg"),   QStringLiteral("info.bmp"),
    QStringLiteral("info@2x.bmp"),
};

int runGenerator(const QStringList& arguments) {
    QProcess generator;
    generator.start(QStringLiteral(PICTUREGEN), arguments);
    if (!generator.waitForFinished(60000) || generator.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return generator.exitCode();
}

TEST(PictureGenerator, RegeneratesTheCommittedFilesByteForByte) {
    const QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_EQ(runGenerator({out.path()}), 0);

    const QStringList written = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written, generated);
    for (const QString& name : generated) {
        QFile fresh(QDir(out.path()).filePath(name));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray committed = PictureFile::read(name);
        EXPECT_FALSE(committed.isEmpty()) << name.toStdString();
        EXPECT_TRUE(fresh.readAll() == committed)
            << name.toStdString() << " differs: run the 'pictures' target and commit the result";
    }
}

} // namespace
