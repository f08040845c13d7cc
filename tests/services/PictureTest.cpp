#include "BitmapWriter.h"
#include "Exception.h"
#include "Picture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
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
QString messageOf(Picture& picture, const QString& fileName)
{
    try {
        picture.loadFromFile(fileName);
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

TEST_F(PictureFiles, LoadsABitmapAndTellsItsWidget)
{
    write("prey.bmp", writeBitmap(filled({41, 41}, 0xFF336699)));
    Picture picture;
    QSignalSpy changed(&picture, &Picture::changed);
    picture.loadFromFile("prey.bmp");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picture.image().size(), QSize(41, 41));
    EXPECT_EQ(picture.image().pixel(20, 20), 0xFF336699);
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
    Picture picture;
    try {
        picture.loadFromFile(c.fileName);
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
    Picture picture;
    EXPECT_EQ(messageOf<InvalidGraphic>(picture, "fehlt.gif"),
              QStringLiteral("Unbekannte Bilddateierweiterung (.gif)"));
}

class MissingFiles : public PictureFiles, public testing::WithParamInterface<QString> {};

TEST_P(MissingFiles, NameTheFullPathAndTheReason)
{
    QDir().mkpath("unter");
    const QString missing = QDir::cleanPath(absolute(GetParam()));
    // The system's reason as Qt gives it, in the program's language.
    const QString reason = qt_error_string(ENOENT);
    Picture picture;
    EXPECT_EQ(messageOf<FileOpenError>(picture, GetParam()),
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
    Picture picture;
    const QString message = messageOf<FileOpenError>(picture, absolute("hunter.bmp"));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ")
                                       .arg(absolute("hunter.bmp"))))
        << message.toStdString();
}

TEST_F(PictureFiles, AFolderIsNoPictureFile)
{
    QDir().mkpath("back.bmp");
    Picture picture;
    const QString message = messageOf<FileOpenError>(picture, "back.bmp");
    const QString start =
        QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(absolute("back.bmp"));
    EXPECT_TRUE(message.startsWith(start)) << message.toStdString();
    EXPECT_GT(message.size(), start.size());
    EXPECT_FALSE(message.endsWith(u'.'));
    EXPECT_TRUE(picture.isEmpty());
}

// A device that never ends must not be read into memory without bound.
TEST_F(PictureFiles, AnEndlessFileIsRefused)
{
    if (!QFile::exists("/dev/zero"))
        GTEST_SKIP() << "no /dev/zero here";
    ASSERT_TRUE(QFile::link("/dev/zero", "null.bmp"));
    Picture picture;
    EXPECT_EQ(messageOf<InvalidGraphic>(picture, "null.bmp"), badBitmap);
}

TEST_F(PictureFiles, AFailedLoadKeepsThePreviousPicture)
{
    write("gut.bmp", writeBitmap(filled({5, 5}, 0xFF00FF00)));
    write("text.bmp", "Dies ist kein Bild, nur ein Text.");
    Picture picture;
    picture.loadFromFile("gut.bmp");
    const QImage before = picture.image();
    QSignalSpy changed(&picture, &Picture::changed);

    EXPECT_THROW(picture.loadFromFile("text.bmp"), InvalidGraphic);
    EXPECT_THROW(picture.loadFromFile("fehlt.bmp"), FileOpenError);
    EXPECT_THROW(picture.loadFromFile("gut.gif"), InvalidGraphic);
    EXPECT_EQ(picture.image(), before);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(PictureFiles, AnEmptyFileGivesAnEmptyPicture)
{
    write("gut.bmp", writeBitmap(filled({5, 5}, 0xFF00FF00)));
    write("leer.bmp", QByteArray());
    Picture picture;
    picture.loadFromFile("gut.bmp");
    picture.loadFromFile("leer.bmp");
    EXPECT_TRUE(picture.isEmpty());
}

TEST_F(PictureFiles, ReadsIcons)
{
    ASSERT_TRUE(filled({16, 16}, 0xFFCC2200).save("symbol.ico", "ICO"));
    Picture picture;
    picture.loadFromFile("symbol.ico");
    EXPECT_EQ(picture.image().size(), QSize(16, 16));
    EXPECT_EQ(picture.image().pixel(8, 8), 0xFFCC2200);
}

TEST(PictureCopy, AssignSharesThePictureAndTellsTheWidget)
{
    Picture source;
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    source.setImage(image);
    Picture copy;
    QSignalSpy changed(&copy, &Picture::changed);
    copy.assign(source);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(copy.image(), source.image());
    EXPECT_EQ(copy.image().cacheKey(), source.image().cacheKey());
}
}  // namespace
