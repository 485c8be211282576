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
//   choose PROTOTYPE, select LIST ITEM..., drag PANE COLUMN LINE COLUMN LINE
//   (Shift held at the end), deactivate (another program takes the focus),
//   activate, wait-for-focus C, enter valueEditN (entered again without
//   leaving it)
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
#include "session.h"

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

// The text of a control that holds one; a button's says whether it is checked.
std::string Text(QWidget* w) {
    if (auto* pane = qobject_cast<wrennet::SourcePane*>(w))
        return pane->toPlainText().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().toStdString() + (button->isChecked() ? " (checked)" : "");
    return "";
}

// A control as the user sees it: "(hidden)" when he cannot; a list's items,
// "*" before the current or selected ones, else its text.
std::string Describe(QWidget* w) {
    std::string text = w->isVisible() ? "" : "(hidden) ";
    const auto item = [&text](bool marked, const QString& item) {
        text += (marked ? "* " : "  ") + item.toStdString() + "\n";
    };
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) text += Text(w) + "\n";
        for (int i = 0; i < combo->count(); ++i)
            item(i == combo->currentIndex(), combo->itemText(i));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i)
            item(list->item(i)->isSelected(), list->item(i)->text());
    } else {
        text += Text(w) + "\n";
    }
    return text;
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
            const char* icons[] = {"Information", "Warning", "Stop", "Question"};
            return std::string("message ") + icons[int(m.icon)] +
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

    void perform(const std::string& line) {
        std::istringstream words(wrennet::ReplaceAll(
            wrennet::ReplaceAll(line, "%F", session_.folder.path()), "%S", kSourceDir));
        std::string verb, target, rest;
        words >> verb >> target;
        std::getline(words >> std::ws, rest);
        const std::string text = Unescape(rest);
        const std::string whole = Unescape(target + (rest.empty() ? "" : " " + rest));
        FakePlatform& p = session_.platform;
        if (verb == "start") {
            window_ = &Shown(session_.start());
            Activate(*window_);
        } else if (verb == "answer") {
            p.answers.push_back(target == "yes" ? wrennet::MessageAnswer::Yes
                                                : wrennet::MessageAnswer::No);
        } else if (verb == "choose-file") {
            p.chosenFiles.push_back(whole.empty() ? std::nullopt : std::optional(whole));
        } else if (verb == "helper-result") {
            p.helperResults.push_back(std::stoi(target));
        } else if (verb == "env") {
            p.environment[target] = text;
        } else if (verb == "write") {
            session_.write(Unescape(target), text);
        } else if (verb == "remove") {
            fs::remove(session_.path(whole));
        } else if (verb == "mkfifo") {
            ::mkfifo(session_.path(whole).c_str(), 0600);
        } else if (verb == "click") {
            QTest::mouseClick(control(target), Qt::LeftButton);
        } else if (verb == "key") {
            const QKeyCombination key =
                QKeySequence::fromString(QString::fromStdString(rest.empty() ? target : rest))[0];
            QWidget* to = rest.empty() ? QApplication::focusWidget() : control(target);
            QTest::keyClick(to ? to : window_, key.key(), key.keyboardModifiers());
            // A mnemonic presses its button, and clicks it a moment later.
            const auto buttonsUp = [] {
                for (QWidget* w : QApplication::allWidgets())
                    if (auto* button = qobject_cast<QAbstractButton*>(w);
                        button && button->isDown())
                        return false;
                return true;
            };
            if (!QTest::qWaitFor(buttonsUp)) qFatal("a button stayed pressed");
        } else if (verb == "type") {
            auto* edit = qobject_cast<QLineEdit*>(control(target));
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, QString::fromStdString(text));
        } else if (verb == "focus") {
            Focus(control(target));
        } else if (verb == "open") {
            auto* combo = qobject_cast<PopupComboBox*>(control(target));
            combo->setFocus(Qt::MouseFocusReason);
            combo->showPopup();
        } else if (verb == "close") {
            CloseList(*qobject_cast<PopupComboBox*>(control(target)),
                      rest.empty() ? -1 : std::stoi(rest));
            Activate(window());
        } else if (verb == "choose") {
            if (!Choose(window(), whole)) qFatal("%s is not listed", whole.c_str());
        } else if (verb == "select") {
            auto* list = qobject_cast<QListWidget*>(control(target));
            list->clearSelection();
            std::istringstream rows(rest);
            for (int row; rows >> row;) list->item(row)->setSelected(true);
        } else if (verb == "enter") {
            window().panel().enterValueEdit(target.back() - '0');
        } else if (verb == "deactivate") {
            QApplication::setActiveWindow(nullptr);
        } else if (verb == "activate") {
            Activate(window());
        } else if (verb == "wait-for-focus") {
            for (int turn = 0; turn < 200 && show("focus") != target + "\n"; ++turn)
                QTest::qWait(100);
        } else if (verb == "drag") {
            auto& pane = *qobject_cast<wrennet::SourcePane*>(control(target));
            const auto at = [&pane](int column, int line) {
                return QPoint(4 + column * pane.fontMetrics().horizontalAdvance(u'M'),
                              line * pane.fontMetrics().lineSpacing() + 1);
            };
            int column = 0, line = 0, toColumn = 0, toLine = 0;
            std::istringstream(rest) >> column >> line >> toColumn >> toLine;
            QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, at(column, line));
            QTest::mouseRelease(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                                at(toColumn, toLine));
            QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              at(toColumn, toLine));
        } else if (verb == "show") {
            outputs_["shown"] += "[" + target + "]\n" + show(target);
        } else {
            qFatal("unknown step: %s", line.c_str());
        }
    }

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
