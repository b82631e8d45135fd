#include "platform/ui/popups.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/ui/call_log.h"
#include "platform/ui/popup_script.h"
#include "platform/ui/ui_state.h"

using namespace ui_detail;

namespace ui_detail {
PopupScript& Script() {
    static PopupScript script;
    return script;
}
}  // namespace ui_detail

namespace {

// A platform without a screen (tests) has nobody to answer: its popups never wait.
bool NobodyToAsk() {
    if (!EnsureApplication()) return false;
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

// The next scripted answer of this kind; an answer of another kind, or none, cancels.
bool TakeAnswer(const char* kind, PopupAnswer* answer) {
    PopupScript& s = Script();
    if (!s.scripted && (s.realPopups || !NobodyToAsk())) return false;
    if (!s.answers.empty() && s.answers.front().kind == kind) {
        *answer = s.answers.front();
        s.answers.pop_front();
    } else {
        *answer = PopupAnswer{kind, 0, {}};
    }
    return true;
}

void RememberDirectory(const std::string& file) {
    const std::string dir = QFileInfo(QString::fromStdString(file)).absolutePath().toStdString();
    auto& history = Script().history;
    history.erase(std::remove(history.begin(), history.end(), dir), history.end());
    history.insert(history.begin(), dir);
}

// "*.doc;*.txt" -> "Files (*.doc *.txt)"; always followed by all files.
QString Filters(const char* typeList) {
    QString list = QString::fromUtf8(typeList ? typeList : "").trimmed();
    list.replace(';', ' ');
    QStringList filters;
    if (!list.isEmpty()) filters << QString("%1 (%1)").arg(list);
    filters << "All files (*)";
    return filters.join(";;");
}

// The extension that a restricted type list of one type gives ("*.doc" -> ".doc"), else none.
QString RestrictedExtension(const char* typeList, int restrictExtension) {
    const QString list = QString::fromUtf8(typeList ? typeList : "");
    if (!restrictExtension || !list.startsWith("*.") || list.contains(';')) return {};
    return list.mid(1);
}

QString WithExtension(const QString& name, const QString& extension) {
    if (extension.isEmpty() || name.endsWith(extension, Qt::CaseInsensitive)) return name;
    return name + extension;
}

// A save dialog that asks about the file that will really be written: a typed name gets its
// extension before the dialog looks for an existing file, and a typed name is one name even
// with quotes in it, which Qt's own dialog reads as a list of quoted names.
class SaveDialog : public QFileDialog {
  public:
    SaveDialog(const QString& title, const QString& directory, const QString& filters, QString extension)
        : QFileDialog(nullptr, title, directory, filters), extension_(std::move(extension)) {
        if (!extension_.isEmpty()) setDefaultSuffix(extension_.mid(1));
    }
    // The file chosen by a name that Qt's dialog could not take as typed, else empty.
    QString TypedFile() const { return typedFile_; }

    void accept() override {
        auto* edit = findChild<QLineEdit*>("fileNameEdit");
        const QString typed = edit != nullptr ? edit->text() : QString();
        if (acceptMode() != AcceptSave || typed.isEmpty() || typed == "..") return QFileDialog::accept();
        const QString path = Resolved(typed);
        if (QFileInfo(path).isDir()) {
            if (typed.contains('"')) return setDirectory(path);
            return QFileDialog::accept();  // opens the folder
        }
        if (!typed.contains('"')) {
            const QString named = WithExtension(typed, extension_);
            if (named != typed) edit->setText(named);
            return QFileDialog::accept();
        }
        const QFileInfo file(WithExtension(path, extension_));
        if (file.exists() &&
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        typedFile_ = file.absoluteFilePath();
        QDialog::accept();
    }

  private:
    // The typed name as a path, from the dialog's folder; "~" is the home folder, as Qt reads it.
    QString Resolved(const QString& typed) const {
        const QDir dir = directory();
        if ((typed == "~" || typed.startsWith("~/")) && !QFileInfo::exists(dir.filePath(typed)))
            return QDir::homePath() + typed.mid(1);
        return QDir::cleanPath(dir.absoluteFilePath(typed));
    }

    QString extension_;
    QString typedFile_;
};

}  // namespace

int MessagePopup(const char* title, const char* message) {
    if (int rc = EnterCall("MessagePopup", {Arg(title), Arg(message)}); rc < 0) return rc;
    Script().shown.push_back({"message", title ? title : "", message ? message : ""});
    PopupAnswer answer;
    if (TakeAnswer("message", &answer)) return 0;
    if (!EnsureApplication()) return UIE_NO_DISPLAY;
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title ? title : ""),
                    QString::fromUtf8(message ? message : ""), QMessageBox::Ok);
    box.exec();
    return 0;
}

int ConfirmPopup(const char* title, const char* message) {
    if (int rc = EnterCall("ConfirmPopup", {Arg(title), Arg(message)}); rc < 0) return rc;
    Script().shown.push_back({"confirm", title ? title : "", message ? message : ""});
    PopupAnswer answer;
    if (TakeAnswer("confirm", &answer)) return answer.result == 1 ? 1 : 0;
    if (!EnsureApplication()) return UIE_NO_DISPLAY;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(title ? title : ""),
                    QString::fromUtf8(message ? message : ""), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? 1 : 0;
}

int FileSelectPopupInto(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                        const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                        int allowCancel, int allowMakeDirectory, char* path, std::size_t pathSize) {
    if (int rc =
            EnterCall("FileSelectPopup", {Arg(defaultDirectory), Arg(defaultFileSpec), Arg(fileTypeList),
                                          Arg(title), Arg(buttonLabel), Arg(restrictDirectory),
                                          Arg(restrictExtension), Arg(allowCancel), Arg(allowMakeDirectory)});
        rc < 0)
        return rc;
    if (path == nullptr || pathSize == 0) return UIE_BAD_ARGUMENT;
    path[0] = '\0';
    Script().shown.push_back({"file", title ? title : "", defaultDirectory ? defaultDirectory : ""});
    const bool save = buttonLabel == VAL_SAVE_BUTTON;
    const QString extension = RestrictedExtension(fileTypeList, restrictExtension);
    std::string chosen;
    PopupAnswer answer;
    const bool scripted = TakeAnswer("file", &answer);
    if (scripted) {
        if (answer.result <= 0) return answer.result;
        chosen = answer.path;
    } else {
        if (!EnsureApplication()) return UIE_NO_DISPLAY;
        SaveDialog dialog(QString::fromUtf8(title ? title : ""),
                          QString::fromUtf8(defaultDirectory ? defaultDirectory : ""), Filters(fileTypeList),
                          save ? extension : QString());
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!allowMakeDirectory) dialog.setOption(QFileDialog::ReadOnly, true);
        const QString fileName = QString::fromUtf8(defaultFileSpec ? defaultFileSpec : "");
        if (!fileName.isEmpty() && !fileName.contains('*')) dialog.selectFile(fileName);
        do {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
                if (allowCancel) return VAL_NO_FILE_SELECTED;
                continue;  // cancelling is not allowed: ask again
            }
            const QString typedFile = dialog.TypedFile();
            chosen = (typedFile.isEmpty() ? dialog.selectedFiles().first() : typedFile).toStdString();
        } while (chosen.empty());
        const std::string dir = QFileInfo(QString::fromStdString(chosen)).absolutePath().toStdString();
        if (restrictDirectory && defaultDirectory && *defaultDirectory &&
            QDir(QString::fromUtf8(defaultDirectory)).absolutePath().toStdString() != dir) {
            return VAL_NO_FILE_SELECTED;
        }
    }
    // With the extension restricted, a name given without it gets the one of the type list; the
    // dialog has already asked about that file, a script speaks of the name it gave.
    const std::string named = WithExtension(QString::fromStdString(chosen), extension).toStdString();
    const bool extended = named != chosen;
    chosen = named;
    if (chosen.size() + 1 > pathSize) return UIE_BUFFER_TOO_SMALL;  // never a cut path
    std::memcpy(path, chosen.c_str(), chosen.size() + 1);
    RememberDirectory(chosen);
    if (scripted && !extended) return answer.result;  // the script says what the person answered
    return QFileInfo::exists(QString::fromStdString(chosen)) ? VAL_EXISTING_FILE_SELECTED
                                                             : VAL_NEW_FILE_SELECTED;
}

int GetFilePopupDirHistory(int* count, char*** list) {
    // Callers ignore the result and then free what they were given: even a failure leaves an
    // empty history to free, never stale pointers.
    if (count != nullptr) *count = 0;
    if (list != nullptr) *list = nullptr;
    if (int rc = EnterCall("GetFilePopupDirHistory"); rc < 0) return rc;
    if (count == nullptr || list == nullptr) return UIE_BAD_ARGUMENT;
    const auto& history = Script().history;
    if (history.empty()) return 0;
    auto** array = static_cast<char**>(std::malloc(history.size() * sizeof(char*)));
    if (array == nullptr) return UIE_BAD_ARGUMENT;
    for (size_t i = 0; i < history.size(); ++i) {
        array[i] = static_cast<char*>(std::malloc(history[i].size() + 1));
        if (array[i] == nullptr) {
            while (i > 0) std::free(array[--i]);
            std::free(array);
            return UIE_BAD_ARGUMENT;
        }
        std::memcpy(array[i], history[i].c_str(), history[i].size() + 1);
    }
    *count = static_cast<int>(history.size());
    *list = array;
    return 0;
}
