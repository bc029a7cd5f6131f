#pragma once

#include <optional>
#include <string>
#include <string_view>

// The names a record or a group may take. Names from the tree, the name box and imported files all pass through
// here before a path is formed, so no name can reach outside its folder.
namespace models {

// Why `name` + `extension` cannot be a file or folder name inside the data directory on any desktop system, or
// nothing when it can.
std::optional<std::string> nameProblem(std::string_view name, std::string_view extension = {});

} // namespace models
