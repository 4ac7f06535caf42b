#pragma once

#include <string>

#include "online/media_tag.h"
#include "online/xmcd_record.h"

namespace vorlix {

// The xmcd file a submission sends: the disc's frame offsets and length from the media tag,
// the record's revision, "Submitted via: <submitter>", and every key of the record, one TTITLEn
// and EXTTn per track of the disc, values escaped and long ones spread over several lines.
std::string formatXmcd(const XmcdRecord& record, const MediaTag& disc,
                       const std::string& submitter);

}  // namespace vorlix
