#pragma once
// The invoice screen's field values, prepared from the host's data as FormatShow.ini says for
// the business key.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "config/UPubVar.h"
#include "forms/Func_Lib.h"
#include "platform/ini/ini_file.h"

namespace iv {

// Entries of the head and tail values the invoice screen prepares.
inline constexpr std::size_t kFieldValueCount = 100;
// The host's entries (DataI) with the detail layout and the fixed-width detail data.
inline constexpr std::size_t kLayoutIndex = 43;
inline constexpr std::size_t kDetailDataIndex = 44;

// A field line cut into its parts: the kind letter (upper case), the target entry of the head
// values, the data entry n, and the arguments after n's comma.
struct FieldLine {
  char kind;
  std::int32_t target;
  std::int32_t entry;
  std::string arguments;
};

// The parts of a field line, or why the kiosk skips it (the reasons below, in words). A target
// that is not a number throws ConversionError.
std::variant<FieldLine, std::string> ReadFieldLine(std::string_view line, std::size_t headCount);

// Applies field lines "<kind>[<t><<arguments>>" in order, each storing a value, untrimmed, in
// headValues entry t (kind letters match without regard to case):
//   O[t<n,>              the whole of out[n] (the host's DataO)
//   I[t<n,from,count>    count bytes of in[n] (the host's DataI) from position `from` (counted from 1)
//   S[t<n,k,separator>   field k of in[n], fields being ended by the separator text
// Arguments are cut off the front up to their comma, one by one (without a comma the
// argument is empty and nothing is cut); the last is what remains. Numbers are read by their
// leading digits, so "n," and "n" differ: an O line without a comma reads out[0].
// Lines the kiosk cannot use are skipped, and the next one applies: a line without "[" or
// with another kind letter, a target t outside headValues' entries, an n beyond 64.
// A target that is not a number throws ConversionError; the lines before it stay applied.
void ApplyFieldLines(const std::vector<std::string> &lines, const DataArray &in, const DataArray &out,
                     dystring &headValues);

// Reads the section `businessKey` of the screen's settings (FormatShow.ini). IsDetail 1
// replaces headValues, IsDetail 2 detailValues, by the cells of the host's detail data
// (ParseDetailData on in[43] and in[44]); then the field lines apply. A ConversionError, from a
// detail width or a target, escapes: what was stored before it stays. A missing section changes
// nothing.
void LoadFieldValues(const IniFile &settings, std::string_view businessKey, const DataArray &in, const DataArray &out,
                     dystring &headValues, dystring &detailValues);

}  // namespace iv
