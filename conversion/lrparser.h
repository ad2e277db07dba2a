#pragma once

#include "conversion/lrtoken.h"

#include <cstddef>
#include <vector>

class lightroom_importer;

// Recursive-descent reader of the tokens of one Lua-table template.
class lrparser {
public:
    explicit lrparser(std::vector<lrtoken> tokens);

    std::vector<lrtoken> tokens;
    std::size_t cursor = 0;

    void read_object(lightroom_importer& importer, bool top);
    void expect(token_type type);

private:
    int nesting = 0;

    lrtoken const& current() const;
    void advance();
    bool at_table_end(bool top) const;
    void read_entry(lightroom_importer& importer);
    void read_value(lightroom_importer& importer, QString const& key);
    void read_braced_value(lightroom_importer& importer, QString const& key);
    void read_curve(lightroom_importer& importer, QString const& key);
    void skip_array();
    void read_nested_object(lightroom_importer& importer);
    void log_unexpected_token() const;
};
