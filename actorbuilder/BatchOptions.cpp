#include "actorbuilder/BatchOptions.h"

#include "actorbuilder/DefinitionFile.h"
#include "objects/cxa/CxaFormat.h"

#include <cstdint>
#include <limits>

namespace actorbuilder {
namespace {

constexpr std::string_view kWindowLine = "open the Actor Builder window (needs an X display)\n";
constexpr std::string_view kNoWindowLine = "no window in this build (built with CORVATRIX_GUI=OFF)\n";

// Follows "  actorbuilder" and the window line.
constexpr std::string_view kBatchUsage =
    "  actorbuilder --class NAME [--property PROP]... [--geometry FILE.ase]\n"
    "               [--renderable] [--wireframe] -o FILE.cxa\n"
    "                                  write a CXA actor definition\n"
    "  actorbuilder --show FILE.cxa    print a definition; its properties as --property values\n"
    "  actorbuilder --help\n"
    "\n"
    "  --class NAME         the UnrealEd class of the actor (at most 127 characters)\n"
    "  --property PROP      one property, in list order; PROP is\n"
    "                         name:TYPE:t3dname:default[:enum values]\n"
    "                       name     the label beside its control on the helper (at most 63)\n"
    "                       TYPE     BOOLEAN, INTEGER, BYTE, FLOAT, ENUM or COLOUR\n"
    "                       t3dname  the property's name in the T3D map (at most 63)\n"
    "                       default  a whole number: BOOLEAN 0 or 1, BYTE 0 to 255, FLOAT and\n"
    "                                INTEGER any, ENUM the item's index counted from 0,\n"
    "                                COLOUR the colour 0x00BBGGRR in decimal (255 is red)\n"
    "                       enum values  ENUM only: the items separated by commas (at most\n"
    "                                127 characters; may hold ':')\n"
    "                       A name or T3D name cannot hold ':'; the class name and a\n"
    "                       T3D name cannot hold a blank, '\"', '=' or a control character.\n"
    "  --geometry FILE.ase  the mesh of the ASE file as the actor's custom geometry\n"
    "  --renderable         set the \"Renderable\" flag\n"
    "  --wireframe          set the \"Wireframe display\" flag\n"
    "  -o, --output FILE    the CXA file to write (replaced once it is written whole)\n"
    "\n"
    "Example:\n"
    "  actorbuilder --class PlayerStart --property 'bEnabled:BOOLEAN:bEnabled:1' \\\n"
    "               --geometry rock.ase --renderable -o PlayerStart.cxa\n"
    "\n"
    "Exit codes: 0 done; 1 the file could not be written or read (a failed write\n"
    "leaves an existing file of that name as it was); 2 a bad command line\n"
    "(nothing is written).\n";

// name, TYPE, t3dname, default and, after the fourth ':', the rest.
std::vector<std::string_view> SplitProperty(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t colon; fields.size() < 4 && (colon = text.find(':', start)) != std::string_view::npos;
         start = colon + 1) {
        fields.push_back(text.substr(start, colon - start));
    }
    fields.push_back(text.substr(start));
    return fields;
}

bool Fail(std::string& error, std::string what) {
    error = std::move(what);
    return false;
}

// The value of the option at args[i], moving i onto it.
bool OptionValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error) {
    if (i + 1 >= args.size()) return Fail(error, args[i] + " needs a value");
    value = args[++i];
    return true;
}

bool ParseWriteOption(const std::vector<std::string>& args, std::size_t& i, BatchRequest& request,
                      std::string& error) {
    const std::string& option = args[i];
    cxa::DefinitionForm& form = request.form;
    if (option == "--renderable" || option == "--wireframe") {
        (option == "--renderable" ? form.renderable : form.wireframe) = true;
        return true;
    }
    std::string value;
    if (option == "--property") {
        cxa::PropertyRow row;
        if (!OptionValue(args, i, value, error)) return false;
        if (!ParseProperty(value, row, error)) return Fail(error, "--property '" + value + "': " + error);
        form.rows.push_back(row);
        return true;
    }
    std::string* target = option == "--class"                        ? &form.className
                          : option == "--geometry"                    ? &form.asePath
                          : option == "-o" || option == "--output" ? &request.path
                                                                      : nullptr;
    if (!target) return Fail(error, option[0] == '-' ? "unknown option " + option : "unexpected argument " + option);
    if (!target->empty()) return Fail(error, option + " is given twice");
    if (!OptionValue(args, i, value, error)) return false;
    if (value.empty()) return Fail(error, option + " needs a value");
    *target = value;
    return true;
}

// --help and --show stand alone.
bool ParseAlone(const std::vector<std::string>& args, BatchRequest& request, std::string& error) {
    const bool help = args[0] == "--help" || args[0] == "-h";
    if (args.size() != (help ? 1u : 2u) || args.back().empty())
        return Fail(error, help ? "--help takes no other option" : "--show takes one file and no other option");
    request.action = help ? BatchRequest::Action::kHelp : BatchRequest::Action::kShow;
    if (!help) request.path = args[1];
    return true;
}

bool StandsAlone(const std::string& option) { return option == "--help" || option == "-h" || option == "--show"; }

}  // namespace

std::string Usage(bool hasWindow) {
    return "Usage:\n  actorbuilder                    " + std::string(hasWindow ? kWindowLine : kNoWindowLine) +
           std::string(kBatchUsage);
}

bool ParseProperty(std::string_view text, cxa::PropertyRow& row, std::string& error) {
    const std::vector<std::string_view> fields = SplitProperty(text);
    if (fields.size() < 4) return Fail(error, "expected name:TYPE:t3dname:default[:enum values]");
    const std::string_view enumValues = fields.size() > 4 ? fields[4] : std::string_view{};
    const std::int32_t type = cxa::PropTypeCode(fields[1]);
    std::int32_t value = 0;
    if (fields[0].empty()) return Fail(error, "the name is empty");
    if (type < 0)
        return Fail(error, "the type " + std::string(fields[1]) +
                               " is none of BOOLEAN, INTEGER, BYTE, FLOAT, ENUM, COLOUR");
    if (fields[2].empty()) return Fail(error, "the T3D name is empty");
    if (std::string problem = DefaultProblem(type, fields[3], enumValues, value); !problem.empty())
        return Fail(error, problem);
    row = cxa::PropertyRow{std::string(fields[0]), std::string(cxa::PropTypeName(type)), std::string(fields[2]),
                           std::to_string(value), std::string(enumValues)};
    return true;
}

bool ParseArguments(const std::vector<std::string>& args, BatchRequest& request, std::string& error) {
    request = BatchRequest{};
    if (args.empty()) return true;
    if (StandsAlone(args[0])) return ParseAlone(args, request, error);
    request.action = BatchRequest::Action::kWrite;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (StandsAlone(args[i])) return Fail(error, args[i] + " takes no other option");
        if (!ParseWriteOption(args, i, request, error)) return false;
    }
    if (request.form.className.empty()) return Fail(error, "--class NAME is missing");
    if (request.path.empty()) return Fail(error, "-o FILE is missing");
    request.form.useCustomGeometry = !request.form.asePath.empty();
    error = FormProblem(request.form);
    return error.empty();
}

}  // namespace actorbuilder
