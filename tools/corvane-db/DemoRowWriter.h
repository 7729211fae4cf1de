#pragma once

#include "PreparedStatement.h"

class Database;
struct DemoCall;
struct DemoCustomer;
struct DemoMachine;

// Stores demo rows through statements compiled once, every value bound: the loader writes up
// to a million rows and cannot afford to compile each.
class DemoRowWriter
{
public:
    explicit DemoRowWriter(Database &db);

    void write(const DemoCustomer &row);
    void write(const QString &customer, const DemoMachine &row);
    void write(const QString &customer, const DemoCall &row);

private:
    PreparedStatement m_customer;
    PreparedStatement m_machine;
    PreparedStatement m_call;
};
