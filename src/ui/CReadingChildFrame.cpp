#include "ui/CReadingChildFrame.h"

#include <QMenu>

#include "ui/AppContext.h"
#include "ui/CommandTable.h"
#include "ui/FullReadingSource.h"
#include "ui/TextEditCommands.h"
#include "ui/WindowServices.h"

namespace orvanta {

CReadingChildFrame::CReadingChildFrame(std::shared_ptr<OpenChart> chart,
                                       const ChartResources& resources, QWidget* parent)
    : CTextChildFrame(chart, std::make_unique<FullReadingSource>(*chart), resources, parent) {}

CReadingChildFrame* CReadingChildFrame::make(std::shared_ptr<OpenChart> chart,
                                             const WindowServices& services) {
    return new CReadingChildFrame(std::move(chart), services.context.resources);
}

void CReadingChildFrame::addMenus(const Menus& menus) {
    const CommandTable& commands = menus.commands;
    commands.action(Command::Open)->setText("&Загрузить из файла...\tCtrl+O");
    const std::pair<Command, const char*> tips[] = {
        {Command::Open, "Заменить текст окна текстом из файла"},
        {Command::Save, "Сохранить подробный разбор в файл"},
        {Command::SaveAs, "Сохранить подробный разбор в файл"},
        {Command::Close, "Закрыть окно с подробным разбором"},
    };
    for (const auto& [key, tip] : tips) commands.action(key)->setStatusTip(tip);

    menus.textEdit.addEditMenu(&menus.bar);
    QMenu* menu = menus.bar.addMenu("&Вид");
    commands.addAlias(*menu, "Изменить исходные данные...", Command::ChangeBirthData);
    menu->addSeparator();
    for (Command key :
         {Command::NatalWindow, Command::TextWindow, Command::ReadingWindow, Command::EventWindow})
        menu->addAction(commands.action(key));
}

}  // namespace orvanta
