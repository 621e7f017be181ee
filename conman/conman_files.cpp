#include "conman_files.h"

#include "container/conman_contract.h"

namespace conman {

std::string BackupPathFor(const std::string& path) {
    std::size_t name = path.find_last_of("\\/");
    name = name == std::string::npos ? 0 : name + 1;
    std::size_t dot = path.find_last_of('.');
    std::string stem = dot == std::string::npos || dot < name ? path : path.substr(0, dot);
    return stem + CONMAN_BACKUP_EXTENSION;
}

std::vector<std::string> ParseFileList(const std::string& list) {
    std::vector<std::string> paths;
    std::size_t i = 0;
    while (i < list.size()) {
        if (list[i] == ' ') {
            i++;
        } else if (list[i] == '"') {
            std::size_t end = list.find('"', i + 1);
            if (end == std::string::npos)
                end = list.size();
            paths.push_back(list.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t end = list.find(' ', i);
            if (end == std::string::npos)
                end = list.size();
            paths.push_back(list.substr(i, end - i));
            i = end;
        }
    }
    return paths;
}

} // namespace conman
