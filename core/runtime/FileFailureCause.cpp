// The reasons the system gives for refusing a file, in the words the
// windows show beside their own messages.
#include <cerrno>
#include <cstring>
#include <string>

#include "core/runtime/TextFileTable.h"

std::string causeOfFileFailure(int systemError) {
  switch (systemError) {
    case ENOSPC:
    case EDQUOT:
      return "нет места на диске";
    case EACCES:
    case EPERM:
      return "нет доступа";
    case EROFS:
      return "нет доступа: диск только для чтения";
    case ENOENT:
      return "нет такого файла или папки";
    case ENOTDIR:
      return "в пути файл на месте папки";
    case EISDIR:
      return "это папка, а не файл";
    case EEXIST:
      return "такое имя уже занято";
    case ELOOP:
      return "на месте файла ссылка";
    case ENAMETOOLONG:
      return "слишком длинное имя";
    case EMFILE:
    case ENFILE:
      return "открыто слишком много файлов";
    case EIO:
      return "ошибка чтения или записи диска";
    default: {
      const char* description = strerrordesc_np(systemError);
      return "ошибка системы № " + std::to_string(systemError) +
             (description != nullptr ? std::string(" (") + description + ")" : std::string());
    }
  }
}
