#include "express/schema.h"

namespace {

template <typename Record>
Record& addRecord(std::map<std::string, Record*>& map, std::vector<std::unique_ptr<Record>>& records,
                  const std::string& name) {
    records.push_back(std::make_unique<Record>());
    Record& record = *records.back();
    record.name = name;
    map[name] = &record;
    return record;
}

}  // namespace

void ExpressSchema::clear() {
    schemaFile.clear();
    entities.clear();
    enumerations.clear();
    selects.clear();
    definedTypes.clear();
}

ExpressEntity& ExpressSchema::addEntity(const std::string& name) { return addRecord(entities, entityRecords, name); }

ExpressEnumeration& ExpressSchema::addEnumeration(const std::string& name) {
    return addRecord(enumerations, enumerationRecords, name);
}

ExpressSelect& ExpressSchema::addSelect(const std::string& name) { return addRecord(selects, selectRecords, name); }

ExpressDefinedType& ExpressSchema::addDefinedType(const std::string& name) {
    return addRecord(definedTypes, definedTypeRecords, name);
}
