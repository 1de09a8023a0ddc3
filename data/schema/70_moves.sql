-- Moves of stock between warehouses, so that a stock figure can be explained
-- later: the day, who moved, the item, from where, to where, how much.
-- Runs before 90_privileges.sql, which grants it like the other stock tables.

CREATE TABLE stk_stocks.stock_move (
    id            serial PRIMARY KEY,
    d_datetime    timestamp NOT NULL DEFAULT now(),
    s_user        text NOT NULL DEFAULT session_user,
    id_ii         integer NOT NULL REFERENCES cmn_inventory_items.inventory_items (id),
    id_stock_from integer NOT NULL REFERENCES cmn_department.department (id),
    id_stock_to   integer NOT NULL REFERENCES cmn_department.department (id),
    cnt           numeric NOT NULL,
    CONSTRAINT stock_move_cnt_check CHECK (cnt > 0),
    CONSTRAINT stock_move_warehouses_check CHECK (id_stock_from <> id_stock_to)
);
CREATE INDEX stock_move_id_ii_idx ON stk_stocks.stock_move (id_ii);
