#include "common/SystemErrorText.h"

#include <cerrno>
#include <cstring>

namespace orvanta {

std::string SystemErrorText::describe(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "нет такого файла или папки";
        case EACCES:
        case EPERM:
            return "нет прав доступа";
        case ENOSPC:
            return "нет места на диске";
        case EDQUOT:
            return "превышена дисковая квота";
        case EROFS:
            return "файловая система только для чтения";
        case EISDIR:
            return "это папка";
        case ENOTDIR:
            return "часть пути не является папкой";
        case ELOOP:
            return "символические ссылки зацикливаются";
        case ENAMETOOLONG:
            return "слишком длинное имя";
        case EIO:
            return "ошибка ввода-вывода";
        case EFBIG:
            return "файл слишком велик";
        case EPIPE:
            return "канал закрыт читающей стороной";
        case EBADF:
            return "файл не открыт для записи";
        case EMFILE:
        case ENFILE:
            return "открыто слишком много файлов";
        default:
            return std::strerror(errorNumber);
    }
}

}  // namespace orvanta
