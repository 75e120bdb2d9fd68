// Save and read against every kind of trouble a user can have on disk.
#include "FormFixture.h"

#include <QFile>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

enum class Disk {
    Missing,
    Empty,
    OneByte,
    NineteenBytes,
    TwentyBytes,
    FortyBytes,
    RecordWithTail,
    Directory,
    LinkToDevNull,
    DanglingLink,
    Fifo,
    WorkingDirectoryDeleted,
    Text12,
    Text25,
    Leftover19,
    Unreadable,      // a link to /proc/self/mem: a regular file of size 0 whose reads fail
    SizeLimited,     // a record, and room for 10 bytes: the save's write stops short
    RecordElsewhere, // a link to a record in another folder
    ReadOnlyRecord,
};

// The record of precision 0.001, x = 1 and its first series, 7.388995.
const QByteArray Record("\x6F\x12\x83\x3A\x00\x00\x80\x3F\xA6\x72\xEC\x40Raschet", 20);

const QByteArray OldRecord = QByteArray(12, '\0') + Record.mid(12);
const QByteArray Diary("Dear diary, today I learnt");

QByteArray Filler(int size) {
    return QByteArray(size, '\xEE');
}

void Write(const std::string& path, const QByteArray& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

// Puts "Test.txt" (or its absence) into the given state.
void Prepare(const FormFixture& f, Disk disk) {
    const std::string path = f.Path();
    fs::remove(path);
    switch (disk) {
    case Disk::Missing:
        break;
    case Disk::Empty:
        Write(path, {});
        break;
    case Disk::OneByte:
        Write(path, Filler(1));
        break;
    case Disk::NineteenBytes:
        Write(path, Filler(19));
        break;
    case Disk::TwentyBytes:
        Write(path, Filler(20));
        break;
    case Disk::FortyBytes:
        Write(path, Filler(40));
        break;
    case Disk::RecordWithTail:
        Write(path, QByteArray(12, '\0') + Record.mid(12) + Filler(20));
        break;
    case Disk::Directory:
        fs::create_directory(path);
        break;
    case Disk::LinkToDevNull:
        fs::create_symlink("/dev/null", path);
        break;
    case Disk::DanglingLink:
        fs::create_symlink("target.bin", path);
        break;
    case Disk::Fifo:
        QVERIFY(mkfifo(path.c_str(), 0644) == 0);
        break;
    case Disk::WorkingDirectoryDeleted:
        fs::remove_all(f.Directory.path().toStdString());
        break;
    case Disk::Text12:
    case Disk::Text25:
    case Disk::Leftover19: // what a save cut short leaves
        Write(path, disk == Disk::Leftover19 ? Record.left(19)
                                             : Diary.left(disk == Disk::Text12 ? 12 : 25));
        break;
    case Disk::Unreadable:
        fs::create_symlink("/proc/self/mem", path);
        break;
    case Disk::RecordElsewhere:
        fs::create_directory(f.Directory.filePath("elsewhere").toStdString());
        Write(f.Directory.filePath("elsewhere/Test.txt").toStdString(), OldRecord);
        fs::create_symlink("elsewhere/Test.txt", path);
        break;
    case Disk::SizeLimited:
    case Disk::ReadOnlyRecord:
        Write(path, OldRecord);
        disk == Disk::SizeLimited ? SizeLimit(10) : fs::permissions(path, fs::perms::owner_read);
        break;
    }
}

// What is at "Test.txt" afterwards, in words a failure message can show.
QByteArray Describe(const FormFixture& f) {
    const fs::path path = f.Path();
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (!fs::exists(status))
        return "<missing>";
    if (fs::is_directory(status))
        return fs::is_empty(path) ? "<empty directory>" : "<directory with entries>";
    if (fs::is_fifo(status))
        return "<fifo>";
    if (fs::is_symlink(status)) {
        const fs::path target = fs::read_symlink(path);
        if (target.is_absolute())
            return "<link to " + QByteArray::fromStdString(target.string()) + ">";
        QFile file(f.Directory.filePath(QString::fromStdString(target.string())));
        return "<link> " +
               (file.open(QIODevice::ReadOnly) ? file.readAll().toHex() : "<no target>");
    }
    QFile file(QString::fromStdString(path.string()));
    file.open(QIODevice::ReadOnly);
    return file.readAll().toHex();
}

const QString CannotCreate = "Файл невдається створити";
const QString CannotOpen = "Файл не вдається відкрити";
const QString NotARecord = "Test.txt in %1 is not a record of this program; it was left unchanged.";
const QString NotOrdinary = "Test.txt in %1 is not an ordinary file; it was left unchanged.";
const QString Unreadable = "Test.txt in %1 could not be read; it was left unchanged.";
const QString Short = "Test.txt in %1 is too short to hold a record.";

} // namespace

Q_DECLARE_METATYPE(Disk)

class FileFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void save_data();
    void save();
    void read_data();
    void read();
};

void FileFaultsTest::save_data() {
    QTest::addColumn<Disk>("disk");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("after");
    const QByteArray record = Record.toHex();
    QTest::newRow("missing: created") << Disk::Missing << "" << record;
    QTest::newRow("empty: filled") << Disk::Empty << "" << record;
    // clang-format off
    QTest::newRow("1 byte: not a record, untouched") << Disk::OneByte << NotARecord << Filler(1).toHex();
    QTest::newRow("19 bytes: untouched") << Disk::NineteenBytes << NotARecord << Filler(19).toHex();
    QTest::newRow("20 bytes without the tag: untouched") << Disk::TwentyBytes << NotARecord << Filler(20).toHex();
    QTest::newRow("40 bytes: untouched") << Disk::FortyBytes << NotARecord << Filler(40).toHex();
    QTest::newRow("a record with a tail: tail kept") << Disk::RecordWithTail << "" << (Record + Filler(20)).toHex();
    QTest::newRow("12 bytes of text: untouched") << Disk::Text12 << NotARecord << Diary.left(12).toHex();
    QTest::newRow("25 bytes of text: untouched") << Disk::Text25 << NotARecord << Diary.left(25).toHex();
    QTest::newRow("19 bytes left by a save cut short: written") << Disk::Leftover19 << "" << Record.toHex();
    QTest::newRow("read error: not taken for empty, untouched") << Disk::Unreadable << Unreadable << QByteArray("<link to /proc/self/mem>");
    QTest::newRow("write stops short: the old record put back") << Disk::SizeLimited << CannotCreate << OldRecord.toHex();
    QTest::newRow("link to a record elsewhere: written there") << Disk::RecordElsewhere << "" << "<link> " + Record.toHex();
    QTest::newRow("read-only record: untouched") << Disk::ReadOnlyRecord << CannotCreate << OldRecord.toHex();
    // clang-format on
    QTest::newRow("directory: untouched")
        << Disk::Directory << CannotCreate << QByteArray("<empty directory>");
    QTest::newRow("link to /dev/null: refused")
        << Disk::LinkToDevNull << NotOrdinary << QByteArray("<link to /dev/null>");
    QTest::newRow("dangling link: its target is created")
        << Disk::DanglingLink << "" << QByteArray("<link> " + record);
    QTest::newRow("fifo: refused at once") << Disk::Fifo << NotOrdinary << QByteArray("<fifo>");
    QTest::newRow("working directory deleted")
        << Disk::WorkingDirectoryDeleted << CannotCreate << QByteArray("<missing>");
}

// A save either writes the 20 bytes and turns the button to reading, or says
// it failed, stays ready to save and leaves the disk as it was.
void FileFaultsTest::save() {
    QFETCH(Disk, disk);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);
    FormFixture f;
    f.Compute("0.001", "1");
    Prepare(f, disk);

    f.Click(f.Form->Button2); // must not block, whatever is there
    SizeLimit(RLIM_INFINITY);

    const bool saved = message.isEmpty();
    QCOMPARE(int(f.Messages.size()), saved ? 0 : 1);
    if (!saved)
        QCOMPARE(QString::fromStdString(f.Messages[0].Text), message.arg(QDir::currentPath()));
    QCOMPARE(f.Form->Button2->Tag, saved ? 1 : 0);
    QCOMPARE(f.Form->Button2->text(), saved ? QString("Читати") : QString("Зберегти"));
    QCOMPARE(Describe(f), after);
}

void FileFaultsTest::read_data() {
    QTest::addColumn<Disk>("disk");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shownX");
    QTest::newRow("missing") << Disk::Missing << CannotOpen << "";
    QTest::newRow("empty") << Disk::Empty << Short << "";
    QTest::newRow("1 byte") << Disk::OneByte << Short << "";
    QTest::newRow("19 bytes") << Disk::NineteenBytes << Short << "";
    QTest::newRow("read error") << Disk::Unreadable << "Test.txt in %1 could not be read."
                                << "";
    QTest::newRow("20 bytes are a record") << Disk::TwentyBytes << ""
                                           << "-3.697314E28";
    QTest::newRow("40 bytes: the first 20 count") << Disk::FortyBytes << ""
                                                  << "-3.697314E28";
    QTest::newRow("directory") << Disk::Directory << CannotOpen << "";
    QTest::newRow("link to /dev/null") << Disk::LinkToDevNull << CannotOpen << "";
    QTest::newRow("dangling link") << Disk::DanglingLink << CannotOpen << "";
    QTest::newRow("fifo: no wait for a writer") << Disk::Fifo << CannotOpen << "";
    QTest::newRow("working directory deleted") << Disk::WorkingDirectoryDeleted << CannotOpen << "";
}

// A read shows a whole record or says it cannot, changing nothing.
void FileFaultsTest::read() {
    QFETCH(Disk, disk);
    QFETCH(QString, message);
    QFETCH(QString, shownX);
    FormFixture f;
    f.Compute("0.001", "1");
    f.Click(f.Form->Button2); // saves: the button now reads
    f.Click(f.Form->Button2); // shows the saved record
    const QString before = f.Form->Label2->text();
    Prepare(f, disk);
    const QByteArray diskBefore = Describe(f);

    f.Click(f.Form->Button2);

    QCOMPARE(int(f.Messages.size()), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(QString::fromStdString(f.Messages[0].Text), message.arg(QDir::currentPath()));
        QCOMPARE(f.Form->Label2->text(), before);
    } else {
        QCOMPARE(f.Form->Label2->text(), "Записане число степінь:" + shownX);
    }
    QCOMPARE(f.Form->Button2->Tag, 1);
    QCOMPARE(f.Form->Button2->text(), QString("Читати"));
    QCOMPARE(Describe(f), diskBefore); // reading changes nothing on disk
}

FORM_TEST_MAIN(FileFaultsTest)

#include "FileFaultsTest.moc"
