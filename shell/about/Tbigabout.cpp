#include "shell/about/Tbigabout.h"

#include "shell/TWindowSet.h"
#include "shell/about/TbigaboutGeometry.h"
#include "shell/skin/TErrorBox.h"

#include <QKeyEvent>
#include <QListView>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTextDocument>
#include <algorithm>
#include <iterator>
#include <string>

namespace {

enum Contact { MailContact = 0, WebContact = 1 };

QFont contactFont(bool underlined)
{
    QFont font("Arial");
    font.setPixelSize(13);
    font.setUnderline(underlined);
    return font;
}

// The memo has no alignment of its own; its lines are centred by leading blanks.
QString centred(const QString& line, const QFontMetrics& metrics, int width)
{
    int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    int room = width - metrics.horizontalAdvance(line);
    if (line.isEmpty() || blank <= 0 || room <= 0)
        return line;
    return QString(room / 2 / blank, QLatin1Char(' ')) + line;
}

// The face that stands in for Arial may be taller than Arial: all the lines must show above the
// contact list, which lies over the memo's last pixel row.
void fitLines(QPlainTextEdit* text, int lines, int room)
{
    QFont font = text->font();
    int margin = static_cast<int>(text->document()->documentMargin());
    auto lineHeight = [&font] {
        QFontMetrics metrics(font);
        return std::max(metrics.height(), metrics.lineSpacing());
    };
    while (font.pixelSize() > 9 && margin + lines * lineHeight() > room)
        font.setPixelSize(font.pixelSize() - 1);
    text->setFont(font);
}

} // namespace

Tbigabout::Tbigabout(TWindowSet& windows)
    : TSkinnedForm(TbigaboutGeometry)
    , windows_(windows)
{
    fillMemo();
    fillContacts();
    onClick("okbut", [this] { okbutClick(); });
    // The Control Center is hidden while this window shows: closing it by the system must not
    // leave the program running with nothing on screen.
    onSystemClose([this] { okbutClick(); });
    onClick("quitbut", [this] { quitbutClick(); });
}

void Tbigabout::fillMemo()
{
    const auto& lines = about::creditLines;
    QPlainTextEdit* text = memo("Memo1");
    text->setFont(contactFont(false));
    fitLines(text, static_cast<int>(std::size(lines)), listBox("ListBox1")->y() - text->y());
    text->setFrameShape(QFrame::NoFrame);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = text->width() - 2 * static_cast<int>(text->document()->documentMargin());
    QStringList centredLines;
    for (const char* line : lines)
        centredLines.append(centred(QString::fromLatin1(line), text->fontMetrics(), width));
    text->setPlainText(centredLines.join(QLatin1Char('\n')));
}

void Tbigabout::fillContacts()
{
    contacts_ = new QStandardItemModel(this);
    for (const char* address : { mailAddress, webCaption }) {
        auto* item = new QStandardItem(QString::fromLatin1(address));
        item->setEditable(false);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(QSize(0, 16));
        contacts_->appendRow(item);
    }
    QListView* list = listBox("ListBox1");
    list->setAccessibleName(QStringLiteral("Contact addresses"));
    list->setModel(contacts_);
    list->setFont(contactFont(true));
    list->setFrameShape(QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->viewport()->setCursor(Qt::PointingHandCursor);
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    list->setPalette(colours);
    connect(list, &QListView::clicked, this, guarded([this] { ListBox1Click(); }));
    list->installEventFilter(this);
}

// The shell's answer is not looked at: without a mail program or browser nothing happens.
void Tbigabout::ListBox1Click()
{
    switch (listBox("ListBox1")->currentIndex().row()) {
    case MailContact:
        system_->shellExecute("open", std::string("mailto:") + mailAddress);
        break;
    case WebContact:
        system_->shellExecute("open", webAddress);
        break;
    default:
        break;
    }
}

void Tbigabout::okbutClick()
{
    windows_.returnToControlCenter(*this);
}

void Tbigabout::quitbutClick()
{
    windows_.endProgram();
}

// From the keyboard an entry is opened by Enter or Space, not by moving through the list.
bool Tbigabout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == control("ListBox1") && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            TErrorBox::run([this] { ListBox1Click(); });
            return true;
        }
    }
    return TSkinnedForm::eventFilter(watched, event);
}
