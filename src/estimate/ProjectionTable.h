// The nine columns of a projection, rows 1 to 200 (row 0 unused). Cells keep
// unrounded values; a year is empty until set.
#pragma once

#include <QString>
#include <array>
#include <optional>

struct ProjectionTable {
    static constexpr int kLastRow = 200;
    template <typename T> using Column = std::array<T, kLastRow + 1>;

    Column<std::optional<double>> year{};
    Column<double> inhabitants{};
    Column<double> immigrants{};
    Column<double> emigrants{};
    Column<double> fertileWomen{};
    Column<double> births{};
    Column<double> infantDeaths{};
    Column<double> oldAgeDeaths{};
    Column<double> naturalChange{};

    // Empty year, zeros elsewhere.
    void clearRow(int row);

    bool operator==(const ProjectionTable &) const = default;
};

// The grid's nine columns, left to right.
enum class GridColumn { ann, abit, imm, em, donne, figli, morti, mortivecch, aument };
inline constexpr int kGridColumnCount = 9;

// A cell as the results grid shows it: the year unchanged, the others rounded
// half up, immigrants and emigrants without sign.
QString gridCellText(const ProjectionTable &table, int row, GridColumn column);
QString gridHeaderCaption(GridColumn column);
QString gridHeaderTooltip(GridColumn column);
