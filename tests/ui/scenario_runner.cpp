// Plays window scenarios. A case folder holds input/ (copied into a fresh
// program folder), the starting Wrennet.ini if any, a `steps` file and the
// outputs it expects, each compared byte for byte when the case has it:
//   desktop   what the desktop was asked, under the step (numbered) that asked
//   shown     what each "show" step saw
//   settings  Wrennet.ini afterwards
// A step is "verb [control] [text]", one a line; "#" starts a comment line.
// "%F" stands for the program folder and "%S" for the source tree in steps,
// Wrennet.ini and the outputs; "\xNN" in a step is that byte, "\n" a line end.
// The desktop's answers, each taken by the next request:
//   answer yes|no, choose-file [PATH] (none cancels), helper-result N
// The world around the program:
//   start (again, on the settings file as it is), env NAME VALUE,
//   write FILE BYTES, remove FILE, mkfifo FILE
// The user's hands; items and columns count from 0:
//   click C, key [C] Ctrl+A (to C, else where the focus is), type EDIT TEXT,
//   focus C, open COMBO, close COMBO [ITEM] (none keeps the selection),
//   choose PROTOTYPE, select LIST ITEM... (a click, then Ctrl+clicks),
//   drag PANE COLUMN LINE COLUMN LINE (Shift held at the end), deactivate
//   (another program takes the focus), activate, wait-for-focus C,
//   enter valueEditN (a click on it)
// What the user sees: show C|pane|pane-top|library|settings|focus|controls
//
//   scenario_runner CASE_DIR...
// With WRENNET_UPDATE_SCENARIOS set it rewrites the expected files a case has.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "common/replace_all.h"
#include "tests/ui/session.h"
#include "tests/ui/shown_controls.h"

using namespace wrennet::testing;
using wrennet::PopupComboBox;
using wrennet::WrennetDlg;
namespace fs = std::filesystem;

namespace {

const std::string kSourceDir = WRENNET_SOURCE_DIR "/";

std::string Unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size()) {
            bytes += char(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (text.compare(i, 2, "\\n") == 0) {
            bytes += '\n';
            ++i;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

class Scenario {
  public:
    explicit Scenario(const fs::path& dir)
        : dir_(dir),
          session_(fs::exists(dir / "program") ? wrennet::ReplaceAll(Read("program"), "\n", "")
                                               : "wrennet") {
        if (fs::exists(dir / "input"))
            fs::copy(dir / "input", session_.folder.path(), fs::copy_options::recursive);
        if (fs::exists(dir / "Wrennet.ini"))
            session_.write("Wrennet.ini",
                           wrennet::ReplaceAll(Read("Wrennet.ini"), "%S", kSourceDir));
        std::istringstream lines(Read("steps"));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line[0] != '#') steps_.push_back(line);
        QObject::connect(&inDialog_, &QTimer::timeout, [this] { continueInDialog(); });
    }

    // Plays the steps, then compares; the first difference of each output, "" when none.
    std::string run() {
        session_.platform.clipboard = kUntouched;
        play(nullptr);
        outputs_["settings"] = session_.ini();
        std::string differences;
        for (auto& [name, actual] : outputs_) {
            actual = wrennet::ReplaceAll(wrennet::ReplaceAll(actual, session_.folder.path(), "%F"),
                                         kSourceDir, "%S");
            if (!fs::exists(dir_ / name)) continue;
            if (std::getenv("WRENNET_UPDATE_SCENARIOS")) std::ofstream(dir_ / name) << actual;
            if (Read(name) != actual) differences += FirstDifference(name, Read(name), actual);
        }
        return differences;
    }

  private:
    static constexpr const char* kUntouched = "\x01(untouched)";

    std::string Read(const std::string& name) const { return TempFolder::read(dir_ / name); }
    static std::string FirstDifference(const std::string& name, const std::string& expected,
                                       const std::string& actual) {
        std::istringstream e(expected), a(actual);
        std::string el, al;
        for (int line = 1; e || a; ++line) {
            if (!std::getline(e, el)) el = "(end)";
            if (!std::getline(a, al)) al = "(end)";
            if (el != al)
                return name + " line " + std::to_string(line) + ":\n  expected: " + el +
                       "\n  actual:   " + al + "\n";
        }
        return name + ": the last line's end differs\n";
    }
    WrennetDlg& window() { return *window_; }

    // Plays steps until they run out or `dialog`, when given, closes. A step
    // that opens a dialog returns when it closes: the steps meanwhile are
    // played inside it.
    void play(QWidget* dialog) {
        const QPointer<QWidget> open = dialog;
        while (next_ < steps_.size() && (!dialog || (open && open->isVisible()))) {
            const std::string step = std::to_string(next_ + 1) + " " + steps_[next_];
            dialogBefore_ = QApplication::activeModalWidget();
            inDialog_.start(10);
            perform(steps_[next_++]);
            inDialog_.stop();
            QCoreApplication::processEvents();
            record(step);
        }
    }
    void continueInDialog() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog == dialogBefore_) return;
        inDialog_.stop();
        if (!QTest::qWaitForWindowActive(dialog)) qFatal("the dialog never became active");
        record(std::to_string(next_) + " " + steps_[next_ - 1]);
        play(dialog);
        if (window_) Activate(*window_);
    }

    // What the desktop was asked since the last time, in the order of its kinds.
    void record(const std::string& step) {
        FakePlatform& p = session_.platform;
        std::string out;
        const auto take = [&out](const auto& asked, std::size_t& seen, auto line) {
            for (; seen < asked.size(); ++seen) out += line(asked[seen]) + "\n";
        };
        take(p.messages, seen_[0], [](const RecordedMessage& m) {
            return std::string("message ") + IconName(m.icon) +
                   (m.buttons == wrennet::MessageButtons::Ok ? " OK: " : " Yes/No: ") +
                   wrennet::ReplaceAll(m.text, "\n", "\\n");
        });
        take(p.fileRequests, seen_[1], [](const wrennet::FileDialogRequest& r) {
            std::string line =
                "file dialog " + r.title + "|" + r.startFolder + "|" + r.startFileName;
            for (const auto& filter : r.filters)
                line += "|" + filter.description + " " + filter.pattern;
            return line;
        });
        take(p.openedDocuments, seen_[2], [](const std::string& path) { return "open " + path; });
        take(p.started, seen_[3], [](const StartedProgram& started) {
            std::string line = "start " + started.program;
            for (const auto& argument : started.arguments) line += " " + argument;
            return line;
        });
        take(p.commands, seen_[4], [](const std::string& command) { return "run " + command; });
        if (p.clipboard != kUntouched)
            out += "clipboard " + wrennet::ReplaceAll(p.clipboard, "\n", "\\n") + "\n";
        p.clipboard = kUntouched;
        if (!out.empty()) outputs_["desktop"] += "> " + step + "\n" + out;
    }

    // A control by its role, in the open dialog first.
    QWidget* control(const std::string& name) {
        QWidget* found = nullptr;
        for (QWidget* in : {QApplication::activeModalWidget(), static_cast<QWidget*>(window_)})
            if (in && !found) found = in->findChild<QWidget*>(QString::fromStdString(name));
        if (!found) qFatal("no control named %s", name.c_str());
        return found;
    }

    // The words of one step, "%F" and "%S" replaced: the verb's target and
    // what follows it, as written and unescaped.
    struct Words {
        std::string target;
        std::string rest;
        std::string text;   // `rest` unescaped
        std::string whole;  // target and rest, unescaped
    };
    using Step = void (Scenario::*)(const Words&);

    void perform(const std::string& line) {
        static const std::map<std::string, Step> kSteps = {
            {"start", &Scenario::start},
            {"answer", &Scenario::answer},
            {"choose-file", &Scenario::chooseFile},
            {"helper-result", &Scenario::helperResult},
            {"env", &Scenario::env},
            {"write", &Scenario::write},
            {"remove", &Scenario::remove},
            {"mkfifo", &Scenario::mkfifo},
            {"click", &Scenario::click},
            {"key", &Scenario::key},
            {"type", &Scenario::type},
            {"focus", &Scenario::focus},
            {"open", &Scenario::open},
            {"close", &Scenario::close},
            {"choose", &Scenario::choose},
            {"select", &Scenario::select},
            {"enter", &Scenario::enter},
            {"deactivate", &Scenario::deactivate},
            {"activate", &Scenario::activate},
            {"wait-for-focus", &Scenario::waitForFocus},
            {"drag", &Scenario::drag},
            {"show", &Scenario::showStep},
        };
        std::istringstream words(wrennet::ReplaceAll(
            wrennet::ReplaceAll(line, "%F", session_.folder.path()), "%S", kSourceDir));
        std::string verb;
        Words w;
        words >> verb >> w.target;
        std::getline(words >> std::ws, w.rest);
        w.text = Unescape(w.rest);
        w.whole = Unescape(w.target + (w.rest.empty() ? "" : " " + w.rest));
        const auto step = kSteps.find(verb);
        if (step == kSteps.end()) qFatal("unknown step: %s", line.c_str());
        (this->*step->second)(w);
    }

    // The world around the program, and the desktop's answers.
    void start(const Words&) {
        window_ = &Shown(session_.start());
        Activate(*window_);
    }
    void answer(const Words& w) {
        session_.platform.answers.push_back(w.target == "yes" ? wrennet::MessageAnswer::Yes
                                                              : wrennet::MessageAnswer::No);
    }
    void chooseFile(const Words& w) {
        session_.platform.chosenFiles.push_back(w.whole.empty() ? std::nullopt
                                                                : std::optional(w.whole));
    }
    void helperResult(const Words& w) {
        session_.platform.helperResults.push_back(std::stoi(w.target));
    }
    void env(const Words& w) { session_.platform.environment[w.target] = w.text; }
    void write(const Words& w) { session_.write(Unescape(w.target), w.text); }
    void remove(const Words& w) { fs::remove(session_.path(w.whole)); }
    void mkfifo(const Words& w) { ::mkfifo(session_.path(w.whole).c_str(), 0600); }

    // The user's hands.
    void click(const Words& w) { QTest::mouseClick(control(w.target), Qt::LeftButton); }
    void key(const Words& w) {
        const QKeyCombination key =
            QKeySequence::fromString(QString::fromStdString(w.rest.empty() ? w.target : w.rest))[0];
        QWidget* to = w.rest.empty() ? QApplication::focusWidget() : control(w.target);
        QTest::keyClick(to ? to : window_, key.key(), key.keyboardModifiers());
        // A mnemonic presses its button, and clicks it a moment later.
        const auto buttonsUp = [] {
            for (QWidget* widget : QApplication::allWidgets())
                if (auto* button = qobject_cast<QAbstractButton*>(widget);
                    button && button->isDown())
                    return false;
            return true;
        };
        if (!QTest::qWaitFor(buttonsUp)) qFatal("a button stayed pressed");
    }
    void type(const Words& w) {
        auto* edit = qobject_cast<QLineEdit*>(control(w.target));
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QString::fromStdString(w.text));
    }
    void focus(const Words& w) { Focus(control(w.target)); }
    void open(const Words& w) {
        auto* combo = qobject_cast<PopupComboBox*>(control(w.target));
        combo->setFocus(Qt::MouseFocusReason);
        combo->showPopup();
    }
    void close(const Words& w) {
        CloseList(*qobject_cast<PopupComboBox*>(control(w.target)),
                  w.rest.empty() ? -1 : std::stoi(w.rest));
        Activate(window());
    }
    void choose(const Words& w) {
        if (!Choose(window(), w.whole)) qFatal("%s is not listed", w.whole.c_str());
    }
    // A click on the first item, Ctrl+click on each further one.
    void select(const Words& w) {
        auto* list = qobject_cast<QListWidget*>(control(w.target));
        std::istringstream rows(w.rest);
        Qt::KeyboardModifiers held = Qt::NoModifier;
        for (int row; rows >> row; held = Qt::ControlModifier) {
            QListWidgetItem* item = list->item(row);
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, held,
                              list->visualItemRect(item).center());
        }
    }
    // A click on the edit: one that holds the focus already is not entered again.
    void enter(const Words& w) { QTest::mouseClick(control(w.target), Qt::LeftButton); }
    void deactivate(const Words&) { QApplication::setActiveWindow(nullptr); }
    void activate(const Words&) { Activate(window()); }
    void waitForFocus(const Words& w) {
        for (int turn = 0; turn < 200 && show("focus") != w.target + "\n"; ++turn)
            QTest::qWait(100);
    }
    void drag(const Words& w) {
        auto& pane = *qobject_cast<wrennet::SourcePane*>(control(w.target));
        const auto at = [&pane](int column, int line) {
            return QPoint(4 + column * pane.fontMetrics().horizontalAdvance(u'M'),
                          line * pane.fontMetrics().lineSpacing() + 1);
        };
        int column = 0, line = 0, toColumn = 0, toLine = 0;
        std::istringstream(w.rest) >> column >> line >> toColumn >> toLine;
        QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, at(column, line));
        QTest::mouseRelease(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                            at(toColumn, toLine));
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(toColumn, toLine));
    }
    void showStep(const Words& w) { outputs_["shown"] += "[" + w.target + "]\n" + show(w.target); }

    std::string show(const std::string& what) {
        const WrennetDlg& w = window();
        if (what == "pane") return w.paneText() + "\n";  // the core's bytes
        if (what == "pane-top") {
            const int top = w.firstVisiblePaneLine();
            return std::to_string(top) + ": " +
                   w.controls().sourcePane->lineText(top).toStdString() + "\n";
        }
        if (what == "library") return w.libraries().selected().value_or("(none)") + "\n";
        if (what == "settings") return session_.ini();
        if (what == "focus") {
            QWidget* focus = QApplication::focusWidget();
            while (focus && focus->objectName().isEmpty()) focus = focus->parentWidget();
            return (focus ? focus->objectName().toStdString() : "(none)") + "\n";
        }
        if (what == "controls") {  // the visible ones, with the texts of fields and clickable names
            std::string shown;
            for (QWidget* c : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool value = qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                                   qobject_cast<wrennet::ClickLabel*>(c);
                if (c->isVisible())
                    shown += c->objectName().toStdString() + (value ? ": " + Text(c) : "") + "\n";
            }
            return shown;
        }
        return Describe(control(what));
    }

    fs::path dir_;
    Session session_;
    WrennetDlg* window_ = nullptr;
    std::vector<std::string> steps_;
    std::size_t next_ = 0;
    QTimer inDialog_;
    QPointer<QWidget> dialogBefore_;
    std::size_t seen_[5] = {};
    std::map<std::string, std::string> outputs_ = {{"desktop", ""}, {"shown", ""}};
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string differences = Scenario(argv[i]).run();
        std::cout << (differences.empty() ? "PASS " : "FAIL ") << argv[i] << "\n"
                  << differences << std::flush;
        failed += !differences.empty();
    }
    return failed == 0 ? 0 : 1;
}
