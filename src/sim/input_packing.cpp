#include "sim/input_packing.h"

namespace {

// The record's direction and slack fields in packing order.
struct Fields {
    int8_t* direction[packedFieldCount];
    uint8_t* slack[packedFieldCount];
};

Fields fieldsOf(InputRecord& record)
{
    return {{&record.slide[0], &record.slide[1], &record.kick[0], &record.kick[1]},
        {&record.slideSlack[0], &record.slideSlack[1], &record.kickSlack[0], &record.kickSlack[1]}};
}

PackedInput packSlack(uint8_t slack, int field)
{
    const PackedInput value = slack < analogSteps ? slack : analogSteps - 1;
    return value << (packedSlackShift + 4 * field);
}

} // namespace

PackedInput packInputRecord(const InputRecord& record)
{
    InputRecord copy = record;
    const Fields fields = fieldsOf(copy);
    PackedInput packed = 0;
    for (int field = 0; field < packedFieldCount; ++field)
        packed |= packDirection(*fields.direction[field], field) | packSlack(*fields.slack[field], field);
    if (record.switchPair)
        packed |= packedSwitchBit;
    if (record.enter)
        packed |= packedEnterBit;
    return packed;
}

bool unpackInputRecord(PackedInput packed, InputRecord& record)
{
    if (!isValidPackedInput(packed))
        return false;
    const Fields fields = fieldsOf(record);
    for (int field = 0; field < packedFieldCount; ++field) {
        *fields.direction[field] = static_cast<int8_t>(unpackDirection(packed, field));
        *fields.slack[field] = static_cast<uint8_t>((packed >> (packedSlackShift + 4 * field)) & 0xfu);
    }
    record.switchPair = (packed & packedSwitchBit) != 0;
    record.enter = (packed & packedEnterBit) != 0;
    return true;
}
