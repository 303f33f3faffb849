#pragma once

namespace velomira::service {

class Connection;

// Creates the tables and indexes that are missing.
void CreateSchema(Connection& connection);

}  // namespace velomira::service
