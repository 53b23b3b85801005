#include "Contract.h"

#include <httplib.h>

#include <fstream>

#include "Cp1252.h"
#include "FormDecoding.h"
#include "Pages.h"
#include "ReportText.h"
#include "UtcTime.h"
#include "core/net/FormEncoding.h"

namespace vitrex::server {
namespace {

// Texts the program puts into its own controls are read in its 8-bit code page.
const std::string kProgramText = "text/plain; charset=windows-1252";
const std::string kHtml = "text/html; charset=utf-8";

Pace CutIfScripted(const Site& site, const httplib::Request& request) {
    const auto fault = site.script.FaultFor(request.path, request.params);
    return Pace{0, fault && fault->kind == Fault::Kind::Cut};
}

void Reply(Site& site, const httplib::Request& request, httplib::Response& response, std::string body,
           const std::string& type) {
    DeliverText(response, std::move(body), type, CutIfScripted(site, request), site.stop);
}

void Refuse(httplib::Response& response, int status, const std::string& why) {
    response.status = status;
    response.set_content(why + "\n", "text/plain; charset=utf-8");
}

std::string Param(const httplib::Request& request, const char* key) {
    return request.has_param(key) ? request.get_param_value(key) : std::string();
}

// The scripted build, when there is one, else the newest release's.
std::optional<std::string> AnnouncedBuild(const Site& site) {
    if (auto scripted = site.script.Current().newest_build) return scripted;
    if (const Release* newest = site.data.Newest()) return newest->build;
    return std::nullopt;
}

const Release* AnnouncedRelease(const Site& site, const std::string& build) {
    const Release* release = site.data.Find(build);
    return release ? release : site.data.Newest();
}

std::string InformationLines(Site& site, const std::string& build) {
    const Release* release = AnnouncedRelease(site, build);
    if (!release) return build + "\r\n";
    std::string lines;
    for (const std::string& line :
         {build, release->version, release->date, site.base_url + "download.php?build=" + release->build,
          site.base_url + "page.php?page=manual&build=", site.base_url + "changelog.php?build="}) {
        lines += Utf8ToCp1252(line) + "\r\n";
    }
    // Without a readable update there is nothing to check the download against; the download
    // itself then fails too. The eighth line, the release key's signature, follows the digest:
    // programs that read six or seven lines pass over it.
    const auto hash = site.digests.Sha256Of(site.data.FileOf(*release));
    if (!hash) return lines;
    lines += *hash + "\r\n";
    if (auto signature = site.data.SignatureOf(*release)) lines += *signature + "\r\n";
    return lines;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    while (out.ends_with("\r\n"))
        out.resize(out.size() - 2);
    return out;
}

std::string ChangeLog(const Site& site, long since, const std::string& language) {
    std::string log;
    for (const Release& release : site.data.NewerThan(since)) {
        if (!log.empty()) log += "\r\n";
        log += release.version + (release.date.empty() ? "" : " (" + release.date + ")") + "\r\n";
        if (auto text = site.data.ChangeLog(release.build, language)) log += WithCrLf(*text) + "\r\n";
    }
    return Utf8ToCp1252(log);
}

void UpdateRoute(Site& site, const httplib::Request& request, httplib::Response& response) {
    const auto build = AnnouncedBuild(site);
    if (request.has_param("check")) {
        Reply(site, request, response, build.value_or(""), kProgramText);
    } else if (request.has_param("infos")) {
        Reply(site, request, response, build && !build->empty() ? InformationLines(site, *build) : "",
              kProgramText);
    } else {
        Refuse(response, 400, "update.php takes check=1 or infos=1");
    }
}

void ChangeLogRoute(Site& site, const httplib::Request& request, httplib::Response& response) {
    const auto since = ParseBuild(Param(request, "build"));
    if (!since) return Refuse(response, 400, "changelog.php takes build=NNNN");
    Reply(site, request, response, ChangeLog(site, *since, Param(request, "language")), kProgramText);
}

void DownloadRoute(Site& site, const httplib::Request& request, httplib::Response& response) {
    const Release* release =
        request.has_param("build") ? site.data.Find(Param(request, "build")) : site.data.Newest();
    if (!release) return Refuse(response, 404, "no such build");
    const auto path = site.data.FileOf(*release);
    std::error_code failed;
    const auto size = std::filesystem::file_size(path, failed);
    if (failed) return Refuse(response, 404, "the update of this build is missing");
    response.set_header("Content-Disposition", "attachment; filename=\"update.exe\"");
    auto file = std::make_shared<std::ifstream>(path, std::ios::binary);
    Pace pace = CutIfScripted(site, request);
    pace.bytes_per_second = site.script.Current().throttle;
    Deliver(
        response, size, "application/octet-stream",
        [file](std::uint64_t offset, std::size_t length, std::string& out) {
            out.resize(length);
            file->seekg(static_cast<std::streamoff>(offset));
            file->read(out.data(), static_cast<std::streamsize>(length));
            return file->gcount() == static_cast<std::streamsize>(length);
        },
        pace, site.stop);
}

void SendBugRoute(Site& site, const httplib::Request& request, httplib::Response& response,
                  const httplib::ContentReader& reader) {
    if (request.is_multipart_form_data()) return Refuse(response, 415, "a report is a url-encoded form");
    // The connection has framed the body within the bound already; a compressed one is held to
    // the same bound once inflated.
    std::string body;
    const bool read = reader([&body](const char* data, std::size_t length) {
        body.append(data, length);
        return body.size() <= net::kLargestFormBody;
    });
    if (!read)
        return Refuse(response, body.size() > net::kLargestFormBody ? 413 : 400, "the report is unreadable");
    const Form form = Form::Decode(body, kLargestFieldCount);
    const auto raw = [&form](const char* name) { return Cp1252ToUtf8(form.Field(name).value_or("")); };
    const auto field = [&raw](const char* name) { return WithVisibleNul(raw(name)); };
    const auto text = [&raw](const char* name) {
        return WithVisibleNul(DecodeCharacterReferences(raw(name)));
    };
    // What the program itself insists on before it sends; a report without them is not one.
    const bool complete = form.Field("sendbug") == "1" && !field("title").empty() && !field("os").empty() &&
                          !field("text").empty();
    if (!complete) return Reply(site, request, response, "0", kProgramText);
    const Report report{UtcTimestamp(),    SenderAddress(site, request),
                        field("language"), text("title"),
                        text("mail"),      text("os"),
                        text("text"),      field("version"),
                        field("datum"),    field("buildnumber"),
                        std::move(body)};
    if (!site.reports.Add(report)) {
        response.status = 500;
        return Reply(site, request, response, "0", kProgramText);
    }
    Reply(site, request, response, "1", kProgramText);
}

std::string PageName(const httplib::Request& request) {
    if (request.has_param("intern")) return Param(request, "page") == "languages" ? "languages" : "intern";
    if (request.has_param("paypal")) return "paypal";
    if (request.has_param("page")) return Param(request, "page");
    return "home";
}

void PageRoute(Site& site, const httplib::Request& request, httplib::Response& response) {
    const std::string name = PageName(request);
    const auto build = AnnouncedBuild(site).value_or("");
    const Release* announced = AnnouncedRelease(site, build);
    const PageValues values = {
        {"language", SafeLanguage(Param(request, "language"))},
        {"build", request.has_param("update") ? Param(request, "update") : Param(request, "build")},
        {"newest", build},
        {"version", announced ? announced->version : ""},
        {"date", announced ? announced->date : ""},
        {"download", announced ? site.base_url + "download.php?build=" + announced->build : site.base_url},
        {"base", site.base_url}};
    if (!IsKnownPage(name)) response.status = 404;
    Reply(site, request, response, RenderPage(site.data, name, Param(request, "language"), values), kHtml);
}

}  // namespace

std::string SenderAddress(const Site& site, const httplib::Request& request) {
    if (site.behind_proxy && request.has_header("X-Real-IP")) return request.get_header_value("X-Real-IP");
    return request.remote_addr;
}

void AddContractRoutes(httplib::Server& server, Site& site) {
    using httplib::Request;
    using httplib::Response;
    server.Get("/update.php", [&site](const Request& q, Response& r) { UpdateRoute(site, q, r); });
    server.Get("/changelog.php", [&site](const Request& q, Response& r) { ChangeLogRoute(site, q, r); });
    server.Get("/download.php", [&site](const Request& q, Response& r) { DownloadRoute(site, q, r); });
    server.Post("/sendbug.php", [&site](const Request& q, Response& r, const httplib::ContentReader& reader) {
        SendBugRoute(site, q, r, reader);
    });
    server.Get("/page.php", [&site](const Request& q, Response& r) { PageRoute(site, q, r); });
    server.Get("/", [&site](const Request& q, Response& r) { PageRoute(site, q, r); });
}

}  // namespace vitrex::server
