-- Roles and database-wide settings.
-- Run as the superuser on a fresh database, with the psql variable mavoret
-- holding the password of the system account: psql -v mavoret=... -f ...
-- Roles belong to the whole cluster, so they are created only when missing and
-- brought to the wanted state on every run.

-- "sys": the system account the client uses before a user logs in; it owns
-- every object of the database.
DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'sys') THEN
        CREATE ROLE sys;
    END IF;
    -- Group role of the people who use the client; each user login is a member.
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'zorna_user') THEN
        CREATE ROLE zorna_user;
    END IF;
END
$$;

ALTER ROLE sys WITH LOGIN CREATEDB PASSWORD :'mavoret';
ALTER ROLE zorna_user WITH NOLOGIN;

-- The client sends day texts such as '11.12.2026' without a conversion
-- function: they must be read day first for every connection.
DO $$
BEGIN
    EXECUTE format('ALTER DATABASE %I OWNER TO sys', current_database());
    EXECUTE format('ALTER DATABASE %I SET datestyle = %L', current_database(), 'ISO, DMY');
END
$$;
SET datestyle = 'ISO, DMY';
