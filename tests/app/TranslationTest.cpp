#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <set>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
};

// The texts of a Qt Linguist file.
std::vector<Message> MessagesOf(const QString& tsFile) {
    std::vector<Message> messages;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << tsFile.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// Every text of the code and the forms as they are now, extracted afresh.
std::vector<Message> TextsOfTheProgram(const QTemporaryDir& scratch) {
    QFile list(QStringLiteral(DAQ_SOURCE_DIR "/resources/translations/folders"));
    EXPECT_TRUE(list.open(QIODevice::ReadOnly));
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none")};
    for (const QByteArray& folder : list.readAll().split('\n')) {
        if (!folder.trimmed().isEmpty()) {
            arguments << QStringLiteral(DAQ_SOURCE_DIR "/") + QString::fromUtf8(folder.trimmed());
        }
    }
    const QString extracted = scratch.filePath(QStringLiteral("extracted.ts"));
    arguments << QStringLiteral("-ts") << extracted;
    QProcess lupdate;
    lupdate.start(QStringLiteral(DAQ_LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return MessagesOf(extracted);
}

std::set<QString> Placeholders(const QString& text) {
    std::set<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%[0-9]+"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        found.insert(it.next().captured());
    }
    return found;
}

class TranslationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new QTemporaryDir;
        texts_ = new std::vector<Message>(TextsOfTheProgram(*scratch_));
    }
    static void TearDownTestSuite() {
        delete texts_;
        delete scratch_;
    }
    static QTemporaryDir* scratch_;
    static std::vector<Message>* texts_;
};

QTemporaryDir* TranslationTest::scratch_ = nullptr;
std::vector<Message>* TranslationTest::texts_ = nullptr;

TEST_F(TranslationTest, TheChineseModuleTranslatesEveryTextOfTheProgram) {
    ASSERT_GT(texts_->size(), 100U);
    QTranslator chinese;
    ASSERT_TRUE(chinese.load(QStringLiteral(DAQ_LANGUAGE_FOLDER "/daq.CHS")));
    for (const Message& m : *texts_) {
        const QString translation =
            chinese.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                              m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData());
        // Run scripts/update-translations and translate what it adds.
        EXPECT_FALSE(translation.isEmpty())
            << "no Chinese for " << m.context.toStdString() << ": \"" << m.source.toStdString() << '"';
        if (!translation.isEmpty()) {
            EXPECT_EQ(Placeholders(translation), Placeholders(m.source))
                << m.context.toStdString() << ": \"" << m.source.toStdString() << '"';
        }
    }
}

TEST_F(TranslationTest, TheEnglishModuleGivesEveryTextAsItIs) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(DAQ_LANGUAGE_FOLDER "/daq.ENU")));
    for (const Message& m : *texts_) {
        EXPECT_EQ(english.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                                    m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()),
                  m.source)
            << m.context.toStdString() << ": \"" << m.source.toStdString() << '"';
    }
}

}  // namespace
