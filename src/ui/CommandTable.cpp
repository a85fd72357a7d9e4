#include "ui/CommandTable.h"

#include <QKeySequence>
#include <cstdlib>
#include <optional>

#include "ui/CommandIds.h"
#include "ui/ToolIcons.h"

namespace orvanta {
namespace {

using Icon = ToolIcons::Kind;

struct Row {
    Command key;
    int id;              // the program's command identifier; 0 for the standard commands
    const char* text;    // menu text; "\t" starts the shortcut shown
    const char* prompt;  // status text, then after "\n" the tooltip
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
    std::optional<Icon> icon = std::nullopt;
    bool checkable = false;
};

// clang-format off
const Row kRows[] = {
    {Command::New, 0, "&Новая карта...\tCtrl+N",
     "Ввести новые данные и построить карту рождения\nНовая карта", QKeySequence::New, Icon::New},
    {Command::Open, 0, "&Открыть...\tCtrl+O", "Открыть сохраненную карту рождения\nОткрыть",
     QKeySequence::Open, Icon::Open},
    {Command::Close, 0, "&Закрыть", "Закрыть карту рождения\nЗакрыть"},
    {Command::Save, 0, "&Сохранить\tCtrl+S", "Сохранить карту рождения\nСохранить",
     QKeySequence::Save, Icon::Save},
    {Command::SaveAs, 0, "Сохранить &как...",
     "Сохранить карту рождения под новым именем\nСохранить как"},
    {Command::Print, 0, "&Печать...\tCtrl+P", "Напечатать карту рождения\nПечать",
     QKeySequence::Print, Icon::Print},
    {Command::PrintPreview, 0, "Пред&варительный просмотр",
     "Показать страницу так, как она будет напечатана\nПросмотр"},
    {Command::PrintSetup, 0, "Настройка пе&чати...",
     "Выбрать принтер и его параметры\nНастройка печати"},
    {Command::ExportPicture, 0, "Экспорт рисунка...",
     "Сохранить рисунок активного окна в файл PNG, SVG или PDF\nЭкспорт рисунка"},
    {Command::Exit, 0, "В&ыход", "Закончить работу с программой\nВыход"},
    {Command::Cut, 0, "Вырезать", "\nВырезать", QKeySequence::UnknownKey, Icon::Cut},
    {Command::Copy, 0, "Копировать", "\nКопировать", QKeySequence::UnknownKey, Icon::Copy},
    {Command::Paste, 0, "Вставить", "\nВставить", QKeySequence::UnknownKey, Icon::Paste},
    {Command::About, 0, "&О программе...", "Сведения о программе\nО программе",
     QKeySequence::UnknownKey, Icon::About},
    {Command::ChangeBirthData, command::kChangeBirthData, "По календарю...",
     "Открыть календарь, изменить данные и пересчитать исходную карту рождения\nИзменить данные",
     QKeySequence::UnknownKey, Icon::BirthData},
    {Command::Step, command::kStep, "По шагам...",
     "Открыть диалог пошагового измения времени и даты\nПошаговое изменение"},
    {Command::NatalSettings, command::kNatalSettings, "Изменить отображение...",
     "Изменить набор планет, аспектов или направление Зодиака для карты рождения\n"
     "Изменить установки", QKeySequence::UnknownKey, Icon::Settings},
    {Command::EventSettings, command::kEventSettings, "Изменить отображение...",
     "Изменить установки для событийной карты: транзитные и радиксные планеты и их взаимные "
     "аспекты\nИзменить установки", QKeySequence::UnknownKey, Icon::Settings},
    {Command::ZoomIn, command::kZoomIn, "Увеличить",
     "Увеличить изображение в четыре раза\nМасштаб 4:1", QKeySequence::UnknownKey, Icon::ZoomIn,
     true},
    {Command::ZoomOut, command::kZoomOut, "Уменьшить",
     "Отобразить зодиакальный круг и таблицу в окне целиком\nМасштаб 1:1",
     QKeySequence::UnknownKey, Icon::ZoomOut, true},
    {Command::NatalWindow, command::kNatalWindow, "Карта рождения",
     "Создать или сделать активным окно карты рождения\nКарта рождения"},
    {Command::TextWindow, command::kTextWindow, "Текст интерпретации",
     "Создать или сделать активным окно с текстом интерпретации карты рождения\nТекст"},
    {Command::EventWindow, command::kEventWindow, "Карта событий",
     "Создать или сделать активным окно с картой событий (транзиты)\nТранзиты дня"},
    {Command::SynthesizeText, command::kSynthesizeText, "Текст интерпретации",
     "Синтезировать текст интерпретации карты рождения\nТекст интерпретации",
     QKeySequence::UnknownKey, Icon::Text},
    {Command::BuildEventChart, command::kBuildEventChart, "Карта событий",
     "Построить карту событий (транзиты)\nКарта событий", QKeySequence::UnknownKey,
     Icon::EventChart},
    {Command::Notice, command::kNotice, "Важное сообщение...",
     "Самое важное сообщение о работе программы\nВажное сообщение"},
    {Command::ToolBarToggle, 0, "Панель с кнопками",
     "Показать или скрыть панель с кнопками\nПанель с кнопками", QKeySequence::UnknownKey,
     std::nullopt, true},
    {Command::StatusBarToggle, 0, "Строка подсказок",
     "Показать или скрыть строку подсказок\nСтрока подсказок", QKeySequence::UnknownKey,
     std::nullopt, true},
    {Command::NewWindow, 0, "Новое окно", ""},
    {Command::Cascade, 0, "Каскад", ""},
    {Command::TileHorizontally, 0, "Горизонтально", ""},
    {Command::TileVertically, 0, "Вертикально", ""},
    {Command::ArrangeIcons, 0, "Собрать иконки", ""},
    {Command::Analysis, command::kAnalysis, "Анализ",
     "Показать окно анализа карты событий: списки событий, дневник наблюдений и "
     "интерпретации\nАнализ карты событий", QKeySequence::UnknownKey, Icon::Text},
    {Command::EventDate, command::kEventDate, "По календарю...",
     "Открыть календарь, изменить данные и пересчитать событийную карту на другой день\n"
     "Другая дата или часовой пояс"},
    {Command::EventStep, command::kEventStep, "По шагам...",
     "Пошаговое изменение даты\nДень вперед - день назад"},
    {Command::TransitCalendar, 0, "Транзиты за период...",
     "Найти точные транзиты, входы в знаки и стоянки за период и показать их списком\n"
     "Транзиты за период", QKeySequence::UnknownKey, Icon::Calendar},
    {Command::ReadingWindow, 0, "Подробный разбор",
     "Создать или сделать активным окно с подробным разбором карты рождения\nПодробный разбор"},
    {Command::ShowPatterns, 0, "Показать конфигурации",
     "Выделить на круге аспекты, из которых сложены конфигурации карты\nКонфигурации",
     QKeySequence::UnknownKey, std::nullopt, true},
    {Command::Collection, 0, "Картотека",
     "Показать все карты из папки карт: поиск, открытие, переименование, удаление\nКартотека",
     QKeySequence::UnknownKey, Icon::Collection},
    {Command::ImportAaf, 0, "Импорт AAF...",
     "Создать карты из записей файла AAF в папке картотеки\nИмпорт AAF"},
    {Command::ExportAaf, 0, "Экспорт AAF...",
     "Записать карты, выбранные в картотеке, в файл AAF\nЭкспорт AAF"},
    {Command::Synastry, 0, "Синастрия...",
     "Сравнить карту рождения с другой картой: двойной круг и таблица взаимных аспектов\n"
     "Синастрия"},
    {Command::Composite, 0, "Композит...",
     "Построить композитную карту двух карт рождения по серединам положений\nКомпозит"},
    {Command::Davison, 0, "Карта Дэвисона...",
     "Построить карту момента и места посередине между двумя рождениями\nКарта Дэвисона"},
    {Command::SwapCharts, 0, "Поменять местами",
     "Поменять местами внутреннюю и внешнюю карты\nПоменять местами"},
    {Command::BirthMoment, command::kBirthMoment, "К моменту рождения",
     "Вернуть карту, сдвинутую по шагам, к введенному моменту рождения\nК моменту рождения"},
    {Command::Help, 0, "&Справка\tF1", "Открыть руководство пользователя\nСправка",
     QKeySequence::HelpContents},
    {Command::DegreesMinutes, command::kDegreesMinutes, "Градусы и минуты",
     "Показывать положения в градусах и минутах (22°06′) вместо десятичных градусов\n"
     "Градусы и минуты", QKeySequence::UnknownKey, std::nullopt, true},
    {Command::Forecast, 0, "Прогрессии и возвраты...",
     "Построить вторичные прогрессии или дирекции на дату, соляр года или лунар месяца\n"
     "Прогрессии и возвраты"},
    {Command::ForecastStepBack, 0, "« Шаг назад",
     "Передвинуть дату прогрессий на шаг назад\nШаг назад"},
    {Command::ForecastStepForward, 0, "Шаг вперед »",
     "Передвинуть дату прогрессий на шаг вперед\nШаг вперед"},
};
// clang-format on

QAction* makeAction(const Row& row, QObject* parent) {
    auto* action = new QAction(QString::fromUtf8(row.text), parent);
    const QStringList parts = QString::fromUtf8(row.prompt).split('\n');
    action->setStatusTip(parts.value(0));
    if (parts.size() > 1) action->setToolTip(parts.value(1));
    if (row.shortcut != QKeySequence::UnknownKey) action->setShortcut(row.shortcut);
    if (row.icon) action->setIcon(ToolIcons::icon(*row.icon));
    action->setCheckable(row.checkable);
    if (row.id != 0) {
        action->setData(row.id);
        action->setObjectName(QString("command%1").arg(row.id));
    }
    return action;
}

}  // namespace

CommandTable::CommandTable(QObject* parent) : QObject(parent) {
    for (const Row& row : kRows) {
        Entry& entry = entries_[static_cast<std::size_t>(row.key)];
        if (entry.action != nullptr) qFatal("Command %d has two rows", static_cast<int>(row.key));
        entry.action = makeAction(row, this);
        // Until a handler arrives, a command does nothing and says so by being disabled.
        entry.action->setEnabled(false);
    }
    for (std::size_t i = 0; i < kCount; ++i) {
        if (entries_[i].action == nullptr) qFatal("Command %zu has no row", i);
    }
}

QAction* CommandTable::action(Command key) const {
    return entries_.at(static_cast<std::size_t>(key)).action;
}

QAction* CommandTable::findId(int id) const {
    for (const Entry& entry : entries_) {
        if (entry.action->data().toInt() == id && id != 0) return entry.action;
    }
    return nullptr;
}

void CommandTable::handle(Command key, std::function<void()> handler, Rule enabled, Rule checked) {
    Entry& entry = entries_.at(static_cast<std::size_t>(key));
    entry.handled = true;
    entry.enabled = std::move(enabled);
    entry.checked = std::move(checked);
    entry.action->setEnabled(true);
    connect(entry.action, &QAction::triggered, this, std::move(handler));
}

QAction* CommandTable::addAlias(QMenu& menu, const QString& text, Command key) const {
    QAction* command = action(key);
    QAction* alias = menu.addAction(text, command, &QAction::trigger);
    alias->setData(command->data());
    alias->setStatusTip(command->statusTip());
    alias->setEnabled(command->isEnabled());
    connect(command, &QAction::changed, alias,
            [alias, command] { alias->setEnabled(command->isEnabled()); });
    return alias;
}

void CommandTable::updateStates() const {
    for (const Entry& entry : entries_) {
        if (!entry.handled) continue;
        if (entry.enabled) entry.action->setEnabled(entry.enabled());
        if (entry.checked) entry.action->setChecked(entry.checked());
    }
}

}  // namespace orvanta
