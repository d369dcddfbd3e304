// Which web addresses the program hands to the browser. A site's address is typed by the
// pilot, so only web and mail addresses go out (http, https, ftp, mailto); a bare host name
// such as www.example.org is taken as a web address; anything else (file:, javascript:, a
// local path, a program) is refused, so an address can never start a local program.
#pragma once

#include <QUrl>
#include <optional>
#include <string>

namespace aloftra::qt {

std::optional<QUrl> WebAddressToOpen(const std::string& address);

}  // namespace aloftra::qt
