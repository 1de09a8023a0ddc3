-- Domains the client casts to, and the version stamp.

-- Plain numeric (no precision): "(ii.ral_cons*cnt)::t_money" must accept any value.
CREATE DOMAIN public.t_money AS numeric;
CREATE DOMAIN public.t_id AS integer;
-- 0::t_boolean and 1::t_boolean go through the built-in explicit int -> boolean cast.
CREATE DOMAIN public.t_boolean AS boolean;
CREATE DOMAIN public.t_date AS date;
CREATE DOMAIN public.t_datetime AS timestamp;

-- One row: the newest client build that connected, and the decimal separator
-- the client must use in numeric literals.
CREATE TABLE public.ver (
    id    serial PRIMARY KEY,
    d     integer NOT NULL DEFAULT 0,
    t     integer NOT NULL DEFAULT 0,
    delim varchar(255) NOT NULL DEFAULT '.'
);
INSERT INTO public.ver (d, t, delim) VALUES (0, 0, '.');
