#pragma once
// Case files: a case as JSON (UTF-8, extension .orvane). Numbers are kept as the texts the window
// shows, so a case reopens exactly as it was typed. Reading refuses, with a Chinese message, a file
// that is too large, no JSON, of another format, of a newer version, of the other window kind, or
// that lacks a value or holds one of the wrong kind; keys it does not know are ignored. Writing
// replaces a file whole or not at all. Qt Core only.
//
// {
//   "format": "orvane-case", "version": 2, "window": "valve",
//   "inputs": {"medium": "空气", "working_pressure_MPa": "0.8", "valve_type": "全 启 式", ...},
//   "results": {"relief_capacity_kg_h": "3040.586", ...},
//   "written": {"k": {"text": "1.4", "source": "catalogue", "medium": "空气"},
//               "relief_capacity_kg_h": {"text": "3040.586", "source": "computed"}, ...},
//   "lamp_lit": false,
//   "shown": ["inlet_inner_diameter_mm", "inlet_inner_diameter_mm.label", ...],
//   "moved": {"seal_half_cone_angle_deg": "2393", ...},
//   "input_parameters": {"done": true, "basis": {...}, "derived": {"Pd_MPa": "0.88", ...},
//                        "steps": [{"name": ..., "symbol": ..., ...}]},
//   "program_values": {"fixed_design_pressure_MPa": "0.840000012516975", "phase": "气体", ...}
// }
//
// "written" names the texts the program wrote that the fields still show, and whose they are: the
// catalogue's or the user library's ("user_library") for a medium, derived by input parameters, or
// computed. Every other text is the user's.
// Version 1 files (without it) open too: their catalogue texts, and results as computed.

#include <QByteArray>
#include <QString>
#include <optional>

#include "case_data.h"

namespace orvane::casefile {

// The largest case file read: larger files are refused before they are read.
inline constexpr qint64 kMaxCaseFileBytes = 1024 * 1024;

struct CaseRead {
    std::optional<CaseData> data;
    QString message;  // why the file was refused, when it was
};

// The case in `bytes`, for a window of kind `window` (any kind when none is given).
CaseRead parseCase(const QByteArray& bytes, std::optional<Device> window = std::nullopt);
QByteArray caseJson(const CaseData& data);

CaseRead readCaseFile(const QString& path, std::optional<Device> window);
// Writes the case atomically; an empty text when it was written, otherwise why not.
QString writeCaseFile(const QString& path, const CaseData& data);

}  // namespace orvane::casefile
