#include "Exception.h"
#include "PictureFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {
// Each test runs in a fresh working directory, because picture names are relative to it.
class PictureFiles : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void write(const QString& name, const QByteArray& content)
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QImage filled(QSize size, QRgb color)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        return image;
    }

    QString absolute(const QString& relative) const
    {
        return QDir(QDir::currentPath()).filePath(relative);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

const QString badBitmap = QStringLiteral("Bitmap ist ungültig");

template <typename Error>
QString messageOf(const QString& fileName)
{
    try {
        loadPicture(fileName);
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

struct KindCase {
    std::string name;
    QString fileName;
    const char* kind;
    QString message;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class PictureKinds : public PictureFiles, public testing::WithParamInterface<KindCase> {};

// Every file here holds text, so each known kind fails in its own reader.
TEST_P(PictureKinds, ChoosesTheKindByTheExtension)
{
    const KindCase& c = GetParam();
    QDir().mkpath("ordner.bmp");
    write(c.fileName, "kein Bild, nur Text");
    try {
        loadPicture(c.fileName);
        FAIL() << "loaded";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.className(), c.kind);
        EXPECT_EQ(e.message(), c.message);
    }
}

const QString badMetafile = QStringLiteral("Metadatei ist ungültig");
INSTANTIATE_TEST_SUITE_P(
    Extensions, PictureKinds,
    testing::Values(
        KindCase{"Bitmap", "bild.bmp", "EInvalidGraphic", badBitmap},
        KindCase{"BitmapUpperCase", "BILD.BMP", "EInvalidGraphic", badBitmap},
        KindCase{"BitmapMixedCase", "bild.bMp", "EInvalidGraphic", badBitmap},
        KindCase{"Icon", "bild.ico", "EInvalidGraphic", QStringLiteral("Symbol ist ungültig")},
        KindCase{"WindowsMetafile", "bild.wmf", "EInvalidGraphic", badMetafile},
        KindCase{"EnhancedMetafile", "bild.EMF", "EInvalidGraphic", badMetafile},
        KindCase{"Unknown", "bild.gif", "EInvalidGraphic",
                 QStringLiteral("Unbekannte Bilddateierweiterung (.gif)")},
        KindCase{"UnknownKeepsItsCase", "bild.Png", "EInvalidGraphic",
                 QStringLiteral("Unbekannte Bilddateierweiterung (.Png)")},
        KindCase{"OnlyTheLastDotCounts", "bild.bmp.txt", "EInvalidGraphic",
                 QStringLiteral("Unbekannte Bilddateierweiterung (.txt)")},
        KindCase{"NoExtension", "bild", "EInvalidGraphic",
                 QStringLiteral("Unbekannte Bilddateierweiterung (.)")},
        KindCase{"DotInTheFolderOnly", "ordner.bmp/bild", "EInvalidGraphic",
                 QStringLiteral("Unbekannte Bilddateierweiterung (.)")}),
    [](const auto& info) { return info.param.name; });

TEST_F(PictureFiles, UnknownExtensionIsRefusedBeforeTheFileIsLookedFor)
{
    EXPECT_EQ(messageOf<InvalidGraphic>("fehlt.gif"),
              QStringLiteral("Unbekannte Bilddateierweiterung (.gif)"));
}

class MissingFiles : public PictureFiles, public testing::WithParamInterface<QString> {};

TEST_P(MissingFiles, NameTheFullPathAndTheReason)
{
    QDir().mkpath("unter");
    const QString missing = QDir::cleanPath(absolute(GetParam()));
    // The system's reason as Qt gives it, in the program's language.
    const QString reason = qt_error_string(ENOENT);
    EXPECT_EQ(messageOf<FileOpenError>(GetParam()),
              QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(missing, reason));
}

INSTANTIATE_TEST_SUITE_P(Names, MissingFiles,
                         testing::Values("leer.bmp", "./leer.bmp", "unter/../leer.bmp",
                                         "unter/back.bmp", "Fehlt.BMP", "nirgends/bild.wmf"),
                         [](const auto& info) {
                             const QRegularExpression punctuation("[^A-Za-z]");
                             return QString(info.param).replace(punctuation, "_").toStdString();
                         });

TEST_F(PictureFiles, AbsoluteNamesStayAsTheyAre)
{
    const QString message = messageOf<FileOpenError>(absolute("hunter.bmp"));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ")
                                       .arg(absolute("hunter.bmp"))))
        << message.toStdString();
}

TEST_F(PictureFiles, AFolderIsNoPictureFile)
{
    QDir().mkpath("back.bmp");
    const QString message = messageOf<FileOpenError>("back.bmp");
    const QString start =
        QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(absolute("back.bmp"));
    EXPECT_TRUE(message.startsWith(start)) << message.toStdString();
    EXPECT_GT(message.size(), start.size());
    EXPECT_FALSE(message.endsWith(u'.'));
}

// A device that never ends must not be read into memory without bound.
TEST_F(PictureFiles, AnEndlessFileIsRefused)
{
    if (!QFile::exists("/dev/zero"))
        GTEST_SKIP() << "no /dev/zero here";
    ASSERT_TRUE(QFile::link("/dev/zero", "null.bmp"));
    EXPECT_EQ(messageOf<InvalidGraphic>("null.bmp"), badBitmap);
}

TEST_F(PictureFiles, AnEmptyFileGivesAnEmptyPicture)
{
    write("leer.bmp", QByteArray());
    EXPECT_TRUE(loadPicture("leer.bmp").isNull());
}

TEST_F(PictureFiles, ReadsIcons)
{
    ASSERT_TRUE(filled({16, 16}, 0xFFCC2200).save("symbol.ico", "ICO"));
    const QImage picture = loadPicture("symbol.ico");
    EXPECT_EQ(picture.size(), QSize(16, 16));
    EXPECT_EQ(picture.pixel(8, 8), 0xFFCC2200);
}
}  // namespace
