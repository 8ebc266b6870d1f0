#include "FormFixture.h"

#include "StartModule.h"
#include "VellModem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QToolBar>

std::optional<QString> ScriptedFileDialogs::next(bool save, const Request& request)
{
    Shown << Showing{save, request};
    if (answers_.empty()) return std::nullopt;
    const QString answer = answers_.front();
    answers_.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
}

bool ScriptedPrinterDialog::ChoosePrinter(QPrinter& printer)
{
    ++Shown;
    if (answers_.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answers_.front());
    answers_.pop_front();
    return true;
}

void HookClock::ProcessEvents(int maxMs)
{
    if (OnEvents) std::exchange(OnEvents, nullptr)();
    FakeClock::ProcessEvents(maxMs);
}

FormFixture::FormFixture()
{
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    seams.port = &port;
    seams.files = &files;
    seams.printer = &printer;
    seams.dataDir = QFileInfo(QStringLiteral(MODEM_DATABASE_PATH)).path();
    seams.end = [this](int code) { ended << code; };
    Reload();
}

FormFixture::~FormFixture() = default;

void FormFixture::Reload()
{
    form.reset();
    form.reset(StartModule::LoadMainForm(seams));
    ASSERT_TRUE(form) << "start-up ended the program";
}

void FormFixture::ReadModem()
{
    form->Menu_Read_Click();
    ASSERT_TRUE(form->VellModem1->Working()) << prompt.Texts().join('|').toStdString();
    ASSERT_TRUE(ToolEnabled("TSave"));
    prompt.Clear();
}

void FormFixture::SaveAs(const QString& path)
{
    files.Answer(path);
    form->Menu_Save_Click();
}

void FormFixture::Open(const QString& path)
{
    files.Answer(path);
    form->Menu_Open_Click();
}

bool FormFixture::ToolEnabled(const char* key) const
{
    const QAction* action = form->Toolbar1->findChild<QAction*>(QString::fromLatin1(key));
    return action && action->isEnabled();
}

QStringList FormFixture::RecentFiles() const
{
    QStringList recent;
    for (int i = 1; i <= 4; ++i) recent << form->RecentFile(i);
    return recent;
}

QByteArray FormFixture::Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FormFixture::Files() const
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
