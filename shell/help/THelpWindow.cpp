#include "shell/help/THelpWindow.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// The help texts live in resources/help/ so that a wording change needs no code change. The
// resource is linked from a static library, so it has to be registered by name.
static void loadHelpTexts()
{
    Q_INIT_RESOURCE(helptexts);
}

namespace {

// The texts were laid out for a narrow 8 point face. DejaVu Sans is wider: at 7 points the lines
// keep the width they were written for and the descriptions line up by their tab counts.
QFont textFont()
{
    QFont font("DejaVu Sans");
    font.setPointSize(7);
    return font;
}

// Tab stops every eight average characters, the average taken over the alphabet, as the system
// the texts were written for measures them.
qreal tabStop(const QFontMetrics& metrics)
{
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return 8.0 * metrics.horizontalAdvance(alphabet) / alphabet.size();
}

// The bold panel name is drawn a little smaller where the face is too wide for the label.
void fitLabel(QLabel* label)
{
    QFont font = label->font();
    while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

} // namespace

THelpWindow::THelpWindow(const TWindowGeometry& table, const char* icon)
    : TSkinnedForm(table)
{
    if (*icon)
        setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource(icon))));

    QPlainTextEdit* text = memo("Memo1");
    text->setFocusPolicy(Qt::ClickFocus);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(textFont());
    text->setTabStopDistance(tabStop(text->fontMetrics()));
    QStringList lines;
    for (const std::string& line : textLines(table.name))
        lines.append(QString::fromLatin1(line));
    text->setPlainText(lines.join(QLatin1Char('\n')));

    fitLabel(image("Label1"));

    // As on the system the program was made for, the focused button also answers Enter.
    pushButton("Button1")->setAutoDefault(true);
    onClick("Button1", [this] { Button1Click(); });
}

void THelpWindow::Button1Click()
{
    hideWindow();
}

std::vector<std::string> THelpWindow::textLines(const char* window)
{
    loadHelpTexts();
    QFile file(QStringLiteral(":/help/%1.txt").arg(QLatin1String(window)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<std::string> lines;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.push_back(line.toStdString());
    }
    // The file ends its last line like every other; that makes no extra empty line.
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

void THelpWindow::showEvent(QShowEvent* event)
{
    TSkinnedForm::showEvent(event);
    pushButton("Button1")->setFocus();
}
