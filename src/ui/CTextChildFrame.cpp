#include "ui/CTextChildFrame.h"

#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QVBoxLayout>

#include "draw/ChartResources.h"
#include "ui/AppContext.h"
#include "ui/CTextView.h"
#include "ui/CommandTable.h"
#include "ui/InterpretationSource.h"
#include "ui/PrintCommands.h"
#include "ui/TextEditCommands.h"
#include "ui/WindowServices.h"

namespace orvanta {

CTextChildFrame::CTextChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                                 QWidget* parent)
    : CTextChildFrame(chart, std::make_unique<InterpretationSource>(*chart), resources, parent) {}

CTextChildFrame::CTextChildFrame(std::shared_ptr<OpenChart> chart,
                                 std::unique_ptr<TextSource> source,
                                 const ChartResources& resources, QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)), resources_(resources) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new CTextView(chart_, std::move(source), this);
    layout->addWidget(view_);
    setFocusProxy(view_);
}

CTextChildFrame* CTextChildFrame::make(std::shared_ptr<OpenChart> chart,
                                       const WindowServices& services) {
    return new CTextChildFrame(std::move(chart), services.context.resources);
}

void CTextChildFrame::addMenus(const Menus& menus) {
    addTextMenus(menus, "Сохранить текст интерпретации в файл",
                 "Закрыть окно с текстом интерпретации",
                 {Command::NatalWindow, Command::TextWindow, Command::EventWindow});
}

void CTextChildFrame::addTextMenus(const Menus& menus, const char* saveTip, const char* closeTip,
                                   std::initializer_list<Command> windows) {
    const CommandTable& commands = menus.commands;
    commands.action(Command::Open)->setText("&Загрузить из файла...\tCtrl+O");
    const std::pair<Command, const char*> tips[] = {
        {Command::Open, "Заменить текст окна текстом из файла"},
        {Command::Save, saveTip},
        {Command::SaveAs, saveTip},
        {Command::Close, closeTip},
    };
    for (const auto& [key, tip] : tips) commands.action(key)->setStatusTip(tip);

    menus.textEdit.addEditMenu(&menus.bar);
    QMenu* menu = menus.bar.addMenu("&Вид");
    commands.addAlias(*menu, "Изменить исходные данные...", Command::ChangeBirthData);
    menu->addSeparator();
    for (Command key : windows) menu->addAction(commands.action(key));
}

void CTextChildFrame::loadOwnFile() {
    view_->load();
}

void CTextChildFrame::saveOwnFile() {
    view_->save();
}

bool CTextChildFrame::mayClose() {
    return view_->queryClose();
}

TextPagePainter::Job CTextChildFrame::printJob(QPrinter& printer) const {
    // The pages are laid out from a copy: the window keeps its text, its cursor and its undo.
    return TextPagePainter::prepare(printer, view_->toPlainText().toStdString(),
                                    QString::fromStdString(resources_.serifFace));
}

std::optional<int> CTextChildFrame::pageCount(QPrinter& printer) {
    return printJob(printer).pageCount();
}

bool CTextChildFrame::print(QPrinter& printer, QWidget* dialogParent) {
    printer.setDocName(chart_->title());
    QPainter painter;
    if (!PrintCommands::begin(painter, printer, dialogParent)) return false;
    const auto job = printJob(printer);
    const bool printed = TextPagePainter::print(painter, printer, job, printer.pageRanges());
    painter.end();
    if (!printed) {
        QMessageBox::warning(dialogParent, PrintCommands::kTitle,
                             job.page.fits ? "В выбранных страницах нет текста."
                                           : "Страница слишком мала для текста: выберите "
                                             "бумагу большего размера.");
    }
    return printed;
}

}  // namespace orvanta
