#include "ui/CReadingChildFrame.h"

#include "ui/AppContext.h"
#include "ui/CommandTable.h"
#include "ui/FullReadingSource.h"
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
    addTextMenus(
        menus, "Сохранить подробный разбор в файл", "Закрыть окно с подробным разбором",
        {Command::NatalWindow, Command::TextWindow, Command::ReadingWindow, Command::EventWindow});
}

}  // namespace orvanta
