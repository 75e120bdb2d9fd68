#include "EvaluateSeries.h"
#include "FormFixture.h"
#include "StrToFloat.h"
#include "ValueLine.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

// Drives the real window through long random sessions and, after every step,
// compares everything it shows (and the record file on disk) with a small model
// of how the window behaves.

namespace {

namespace fs = std::filesystem;

constexpr int StepsPerSession = 3000;

const std::array<const char*, 11> NumberTexts = {"0.001", "1", "-1",  "0",   "2", "0.5",
                                                 "1e-3",  "3", "100", " 7 ", "-0"};
const std::array<const char*, 6> OtherTexts = {"abc", "1..2", "0,5", "", "1e", "inf"};

const std::string FirstSaveCaption = "Сохранить";
const std::string SaveCaption = "Зберегти";
const std::string ReadCaption = "Читати";
const std::string CannotCreate = "Файл невдається створити";
const std::string CannotOpen = "Файл не вдається відкрити";
const std::string NotARecord = " is not a record of this program; it was left unchanged.";
const std::string Unreadable = " could not be read; it was left unchanged.";

constexpr std::size_t RecordSize = 20; // three singles and "Raschet\0"

enum class FileKind { Missing, Directory, Regular, Unreadable, Other };

struct FileOnDisk {
    FileKind Kind = FileKind::Missing;
    std::string Bytes; // for a regular file
};

struct ShownMessage {
    MessageKind Kind;
    std::string Text;
};

// One visible property as a printable value, so that a mismatch can be shown.
using Field = std::pair<std::string, std::string>;

std::string Hex(const std::string& bytes) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[byte >> 4];
        text += Digits[byte & 15];
    }
    return text;
}

std::string Describe(const FileOnDisk& file) {
    switch (file.Kind) {
    case FileKind::Missing:
        return "missing";
    case FileKind::Directory:
        return "directory";
    case FileKind::Regular:
        return "file of " + std::to_string(file.Bytes.size()) + " bytes [" + Hex(file.Bytes) + "]";
    case FileKind::Unreadable: // a link to /proc/self/mem
    case FileKind::Other:
        break;
    }
    return "something else";
}

std::string Describe(const std::vector<ShownMessage>& messages) {
    std::string text = "[";
    for (const ShownMessage& message : messages) {
        if (text.size() > 1)
            text += ", ";
        text += message.Kind == MessageKind::Error ? "Error: " : "Message: ";
        text += message.Text;
    }
    return text + "]";
}

std::string Describe(bool flag) {
    return flag ? "true" : "false";
}

// The single stored little-endian at `offset`.
float SingleAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = bits << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return std::bit_cast<float>(bits);
}

void AppendSingle(std::string& bytes, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(bits >> (8 * i) & 0xFF);
}

std::string Record(float precision, float x, float series1) {
    std::string bytes;
    AppendSingle(bytes, precision);
    AppendSingle(bytes, x);
    AppendSingle(bytes, series1);
    bytes.append("Raschet\0", 8);
    return bytes;
}

// What the window and the disk are expected to show.
struct Model {
    std::string Text1, Text2;
    TCalcState Calc;
    bool Button2Enabled = false;
    std::string Button2Caption = FirstSaveCaption;
    int Button2Tag = 0;
    std::string Label1, Label2, Label3, Label6, Label9, Label10;
    bool ReadBackVisible = true; // Label1, Label2 and Label3 together
    FileOnDisk File;
    std::string In;                     // "Test.txt in " and the folder, as messages name it
    std::vector<ShownMessage> Messages; // shown during the current step

    // How often each outcome came up, to show that a session reached them all.
    struct {
        int Computed = 0, NotANumber = 0, Disabled = 0, Saved = 0, NotSaved = 0, ReadBack = 0,
            NotRead = 0;
    } Count;

    // Any change of an input's text invalidates what the button would save or
    // the read-back on show.
    void InputChanged() {
        Button2Enabled = false;
        ReadBackVisible = false;
    }

    // Typing changes the text once per character; a replace clears first.
    void Type(std::string& text, const std::string& typed, bool replace) {
        if (replace)
            Clear(text);
        for (char c : typed) {
            text += c;
            InputChanged();
        }
    }

    void Clear(std::string& text) {
        if (text.empty())
            return;
        text.clear();
        InputChanged();
    }

    void PressCompute() {
        Button2Enabled = true;
        Button2Caption = SaveCaption;
        Button2Tag = 0;
        Calc.Series1 = 1;
        try {
            Calc.Precision = static_cast<float>(StrToFloat(Text1));
            Calc.X = static_cast<float>(StrToFloat(Text2));
        } catch (const EConvertError& e) {
            Messages.push_back({MessageKind::Error, e.Message()});
            ++Count.NotANumber;
            return;
        }
        float first = 0, second = 0, combined = 0;
        EvaluateSeries(Calc, [&](const SeriesValue& value) {
            switch (value.Kind) {
            case SeriesKind::First:
                first = value.Value;
                break;
            case SeriesKind::Second:
                second = value.Value;
                break;
            case SeriesKind::Combined:
                combined = value.Value;
                break;
            }
        });
        Label6 = ValueLine("Результат:", first, FormatSettings);
        Label9 = ValueLine("Результат:", second, FormatSettings);
        Label10 = ValueLine("Результат:", combined, FormatSettings);
        ++Count.Computed;
    }

    void PressButton2(bool sizeLimited) {
        if (!Button2Enabled) {
            ++Count.Disabled; // a disabled button gets no click
            return;
        }
        if (Button2Tag != 1)
            Save(sizeLimited);
        else
            Read();
    }

    // Overwrites the first 20 bytes (creating the file if needed) and keeps the
    // rest, but only of an empty file, a record or 13 to 19 bytes a save cut
    // short left. A write cut short by a size limit changes nothing.
    void Save(bool sizeLimited) {
        const std::string& old = File.Bytes;
        const std::size_t tag = std::min<std::size_t>(old.size() - 12, 8);
        const bool ours =
            old.empty() || (old.size() > 12 && old.compare(12, tag, "Raschet", tag) == 0);
        const bool regular = File.Kind == FileKind::Regular;
        if ((File.Kind != FileKind::Missing && !(regular && ours)) || sizeLimited) {
            Messages.push_back({MessageKind::Message, File.Kind == FileKind::Unreadable
                                                          ? In + Unreadable
                                                      : regular && !ours ? In + NotARecord
                                                                         : CannotCreate});
            ++Count.NotSaved;
            return;
        }
        const std::string record = Record(Calc.Precision, Calc.X, Calc.Series1);
        if (File.Kind == FileKind::Missing)
            File = {FileKind::Regular, record};
        else
            File.Bytes.replace(0, RecordSize, record);
        Button2Tag = 1;
        ++Count.Saved;
        Button2Caption = ReadCaption;
    }

    void Read() {
        if (File.Kind != FileKind::Regular || File.Bytes.size() < RecordSize) {
            Messages.push_back({MessageKind::Message, File.Kind == FileKind::Unreadable
                                                          ? In + " could not be read."
                                                      : File.Kind == FileKind::Regular
                                                          ? In + " is too short to hold a record."
                                                          : CannotOpen});
            ++Count.NotRead;
            return;
        }
        ReadBackVisible = true;
        ++Count.ReadBack;
        Label1 = ValueLine("Записане число точність:", SingleAt(File.Bytes, 0), FormatSettings);
        Label2 = ValueLine("Записане число степінь:", SingleAt(File.Bytes, 4), FormatSettings);
        Label3 = ValueLine("Записане число результат:", SingleAt(File.Bytes, 8), FormatSettings);
    }

    std::vector<Field> Fields() const {
        return {
            {"Edit1 text", Text1},
            {"Edit2 text", Text2},
            {"Button1 enabled", Describe(true)},
            {"Button2 enabled", Describe(Button2Enabled)},
            {"Button2 caption", Button2Caption},
            {"Button2 Tag", std::to_string(Button2Tag)},
            {"Label1 caption", Label1},
            {"Label2 caption", Label2},
            {"Label3 caption", Label3},
            {"Label6 caption", Label6},
            {"Label9 caption", Label9},
            {"Label10 caption", Label10},
            {"Label1 visible", Describe(ReadBackVisible)},
            {"Label2 visible", Describe(ReadBackVisible)},
            {"Label3 visible", Describe(ReadBackVisible)},
            {"messages", Describe(Messages)},
            {"Test.txt", Describe(File)},
        };
    }
};

FileOnDisk ReadDisk(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    switch (status.type()) {
    case fs::file_type::not_found:
        return {FileKind::Missing, {}};
    case fs::file_type::directory:
        return {FileKind::Directory, {}};
    case fs::file_type::regular: {
        std::ifstream in(path, std::ios::binary);
        return {FileKind::Regular, std::string(std::istreambuf_iterator<char>(in), {})};
    }
    default:
        return {FileKind::Other, {}};
    }
}

std::vector<Field> Observe(const FormFixture& f) {
    const TForm1& form = *f.Form;
    std::vector<ShownMessage> messages;
    for (const FormFixture::Message& message : f.Messages)
        messages.push_back({message.Kind, message.Text});
    return {
        {"Edit1 text", form.Edit1->GetText()},
        {"Edit2 text", form.Edit2->GetText()},
        {"Button1 enabled", Describe(form.Button1->Enabled())},
        {"Button2 enabled", Describe(form.Button2->Enabled())},
        {"Button2 caption", form.Button2->Caption()},
        {"Button2 Tag", std::to_string(form.Button2->Tag)},
        {"Label1 caption", form.Label1->Caption()},
        {"Label2 caption", form.Label2->Caption()},
        {"Label3 caption", form.Label3->Caption()},
        {"Label6 caption", form.Label6->Caption()},
        {"Label9 caption", form.Label9->Caption()},
        {"Label10 caption", form.Label10->Caption()},
        {"Label1 visible", Describe(form.Label1->Visible())},
        {"Label2 visible", Describe(form.Label2->Visible())},
        {"Label3 visible", Describe(form.Label3->Visible())},
        {"messages", Describe(messages)},
        {"Test.txt", Describe(ReadDisk(f.Path()))},
    };
}

void WriteFile(const std::string& path, const std::string& bytes) {
    fs::remove_all(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Selects the whole text and deletes it, as a user would.
void ClearInput(TEdit* edit) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
}

// Plays one random user or disk action on the form and on the model; returns
// what it did.
class Session {
public:
    Session(FormFixture& fixture, Model& model, std::uint32_t seed)
        : F(fixture), M(model), Random(seed) {}

    std::string Step() {
        enum Action {
            TypeNumber,
            TypeOther,
            ClearText,
            PressCompute,
            PressButton2,
            LinkUnreadable,
            DeleteFile,
            CorruptFile,
            MakeDirectory,
            RestoreFile
        };
        // Compute and Button2 often enough that saves and reads follow each other.
        std::discrete_distribution<int> pick({25, 6, 4, 22, 28, 1, 3, 3, 3, 3});
        switch (pick(Random)) {
        case TypeNumber:
            return Type(NumberTexts[Below(NumberTexts.size())]);
        case TypeOther:
            return Type(OtherTexts[Below(OtherTexts.size())]);
        case ClearText: {
            const bool first = Below(2) == 0;
            ClearInput(first ? F.Form->Edit1 : F.Form->Edit2);
            M.Clear(first ? M.Text1 : M.Text2);
            return std::string("clear ") + (first ? "Edit1" : "Edit2");
        }
        case PressCompute:
            F.Click(F.Form->Button1);
            M.PressCompute();
            return "click Button1";
        case PressButton2: {
            const bool limited = Below(12) == 0; // a save writes 10 bytes, then fails
            SizeLimit(limited ? 10 : RLIM_INFINITY);
            F.Click(F.Form->Button2);
            SizeLimit(RLIM_INFINITY);
            M.PressButton2(limited);
            return limited ? "click Button2 with room for 10 bytes" : "click Button2";
        }
        case LinkUnreadable:
            fs::remove_all(F.Path());
            fs::create_symlink("/proc/self/mem", F.Path());
            M.File = {FileKind::Unreadable, {}};
            return "link Test.txt to /proc/self/mem, which cannot be read";
        case DeleteFile:
            fs::remove_all(F.Path());
            M.File = {};
            return "delete Test.txt";
        case CorruptFile: {
            const std::string bytes = RandomBytes(Below(41));
            WriteFile(F.Path(), bytes);
            M.File = {FileKind::Regular, bytes};
            return "overwrite Test.txt with " + std::to_string(bytes.size()) + " random bytes";
        }
        case MakeDirectory: {
            fs::remove_all(F.Path());
            fs::create_directory(F.Path());
            const bool filled = Below(2) == 0; // a non-empty one must be removed whole
            if (filled)
                std::ofstream(F.Path() + "/inside") << "x";
            M.File = {FileKind::Directory, {}};
            return std::string("replace Test.txt by a") + (filled ? " non-empty" : "n empty") +
                   " directory";
        }
        case RestoreFile:
        default: {
            std::string bytes;
            const std::size_t kind = Below(3);
            if (kind < 2) { // a record, with a tail or cut to what a save cut short leaves
                bytes = Record(AnySingle(), AnySingle(), AnySingle()) + RandomBytes(Below(9));
                if (kind == 1)
                    bytes.resize(13 + Below(7));
            } else {
                bytes = RandomBytes(RecordSize + Below(21));
            }
            WriteFile(F.Path(), bytes);
            M.File = {FileKind::Regular, bytes};
            return "restore Test.txt as a file of " + std::to_string(bytes.size()) + " bytes";
        }
        }
    }

private:
    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(Random);
    }

    std::string RandomBytes(std::size_t count) {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i)
            bytes += static_cast<char>(Below(256));
        return bytes;
    }

    // Ordinary values, zeros, infinities, NaN, a denormal, extremes and raw bits.
    float AnySingle() {
        static const std::array<float, 12> Singles = {
            0.001f,
            1.0f,
            -1.0f,
            0.0f,
            -0.0f,
            0.5f,
            7.388995f,
            100.0f,
            std::numeric_limits<float>::quiet_NaN(),
            std::numeric_limits<float>::infinity(),
            -std::numeric_limits<float>::infinity(),
            std::numeric_limits<float>::denorm_min(),
        };
        const std::size_t index = Below(Singles.size() + 2);
        if (index < Singles.size())
            return Singles[index];
        if (index == Singles.size())
            return std::numeric_limits<float>::max();
        return std::bit_cast<float>(static_cast<std::uint32_t>(Random()));
    }

    std::string Type(const std::string& text) {
        const bool first = Below(2) == 0;
        const bool replace = Below(4) != 0; // appending mostly makes text that is not a number
        TEdit* edit = first ? F.Form->Edit1 : F.Form->Edit2;
        if (replace)
            ClearInput(edit);
        else
            QTest::keyClick(edit, Qt::Key_End); // append at the end, not at the caret
        F.Type(edit, QString::fromStdString(text));
        M.Type(first ? M.Text1 : M.Text2, text, replace);
        return std::string(replace ? "replace " : "append to ") + (first ? "Edit1" : "Edit2") +
               " \"" + text + "\"";
    }

    FormFixture& F;
    Model& M;
    std::mt19937 Random;
};

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void session_data();
    void session();
};

// Fixed seeds, or the one in SERIES_CALC_SEED to replay a failure.
void RandomSessionTest::session_data() {
    QTest::addColumn<quint32>("seed");
    if (const char* text = std::getenv("SERIES_CALC_SEED")) {
        char* end = nullptr;
        const unsigned long seed = std::strtoul(text, &end, 10);
        if (end == text || *end != '\0')
            QFAIL("SERIES_CALC_SEED must be a decimal number");
        QTest::newRow(text) << static_cast<quint32>(seed);
        return;
    }
    for (quint32 seed : {1u, 20240607u, 3735928559u})
        QTest::newRow(std::to_string(seed).c_str()) << seed;
}

void RandomSessionTest::session() {
    QFETCH(quint32, seed);
    FormFixture f;
    Model model;
    model.In = "Test.txt in " + QDir::currentPath().toStdString();
    Session session(f, model, seed);
    std::deque<std::string> recent; // the steps before a failure, for context
    for (int step = 1; step <= StepsPerSession; ++step) {
        f.Messages.clear();
        model.Messages.clear();
        const std::string action = session.Step();

        const std::vector<Field> expected = model.Fields();
        const std::vector<Field> actual = Observe(f);
        std::string differences;
        for (std::size_t i = 0; i < expected.size(); ++i)
            if (expected[i].second != actual[i].second)
                differences += "\n  " + expected[i].first + ": expected \"" + expected[i].second +
                               "\", got \"" + actual[i].second + "\"";
        if (!differences.empty()) {
            std::string report = "seed " + std::to_string(seed) + ", step " + std::to_string(step) +
                                 " (" + action + ")" + differences + "\n  steps before:";
            for (const std::string& before : recent)
                report += "\n    " + before;
            report += "\n  replay: SERIES_CALC_SEED=" + std::to_string(seed);
            QFAIL(report.c_str());
        }
        recent.push_back("step " + std::to_string(step) + ": " + action);
        if (recent.size() > 8)
            recent.pop_front();
    }
    qInfo("%d steps: %d computed, %d not a number, %d disabled clicks, %d saved, %d not saved, "
          "%d read back, %d not read",
          StepsPerSession, model.Count.Computed, model.Count.NotANumber, model.Count.Disabled,
          model.Count.Saved, model.Count.NotSaved, model.Count.ReadBack, model.Count.NotRead);
}

FORM_TEST_MAIN(RandomSessionTest)

#include "RandomSessionTest.moc"
