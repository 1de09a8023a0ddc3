-- Demo plant: departments and warehouses, positions, roles, people, logins.
-- Keys are given explicitly so that later files can refer to them;
-- 90_sequences.sql moves the key sequences past them.

INSERT INTO cmn_department.department (id, s_caption, s_description, id_parent, type, s_type) VALUES
    (1, 'Администрация', 'Руководство предприятия', 0, -1, ''),
    (2, 'Планово-диспетчерский отдел', 'Планирование производства', 1, -1, ''),
    (3, 'Отдел продаж', 'Работа с заказчиками', 1, -1, ''),
    (4, 'Отдел снабжения', 'Закупка материалов', 1, -1, ''),
    (5, 'Цех металлоконструкций', 'Резка, гибка, сварка, сборка', 0, -1, ''),
    (6, 'Участок порошковой окраски', 'Окраска изделий по RAL', 5, -1, ''),
    (7, 'Склад готовой продукции', '', 0, 0, 'Склад ГП'),
    (8, 'Склад заготовок', 'При цехе металлоконструкций', 5, 1, 'Склад заготовок'),
    (9, 'Склад сырья и материалов', 'Металлопрокат, метизы, краски', 0, 2, 'Склад сырья');

INSERT INTO hrms_staffpos.staffpos (id, s_caption, s_description, id_department) VALUES
    (1, 'Директор', 'Общее руководство', 1),
    (2, 'Экономист', 'Себестоимость и расчёты', 1),
    (3, 'Начальник ПДО', 'Планирование и резервирование', 2),
    (4, 'Менеджер по продажам', 'Приём заявок', 3),
    (5, 'Специалист по снабжению', 'Закупки', 4),
    (6, 'Мастер участка', 'Учёт смен', 5),
    (7, 'Технолог', 'Техпроцессы и нормы', 5),
    (8, 'Кладовщик', 'Приход и расход', 9),
    (9, 'Сварщик', '', 5),
    (10, 'Слесарь-сборщик', '', 5),
    (11, 'Оператор листогибочного пресса', '', 5),
    (12, 'Резчик металла', '', 5),
    (13, 'Маляр порошковой окраски', '', 6);

INSERT INTO adm_role.roles (id, s_name, s_caption, d_begin, d_end, b_active) VALUES
    (1, 'admin', 'Администратор', DATE '2025-01-09', NULL, true),
    (2, 'management', 'Руководство', DATE '2025-01-09', NULL, true),
    (3, 'economics', 'Экономика', DATE '2025-01-09', NULL, true),
    (4, 'sales', 'Продажи', DATE '2025-01-09', NULL, true),
    (5, 'supply', 'Снабжение', DATE '2025-01-09', NULL, true),
    (6, 'planning', 'Планирование', DATE '2025-01-09', NULL, true),
    (7, 'foreman', 'Мастер', DATE '2025-01-09', NULL, true),
    (8, 'warehouse', 'Склад', DATE '2025-01-09', NULL, true),
    (9, 'worker', 'Рабочий', DATE '2025-01-09', NULL, true),
    (10, 'technologist', 'Технолог', DATE '2025-01-09', NULL, true),
    (11, 'trainee', 'Стажёр', DATE '2025-01-09', DATE '2025-06-30', false);

INSERT INTO cmn_contractor.person
    (id, s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, id_department, id_role) VALUES
    (1, 'Соколов Дмитрий Александрович', 'Соколов', 'Дмитрий', 'Александрович', 3, 2, 6),
    (2, 'Кузнецова Ольга Викторовна', 'Кузнецова', 'Ольга', 'Викторовна', 2, 1, 3),
    (3, 'Лаврова Людмила Юрьевна', 'Лаврова', 'Людмила', 'Юрьевна', 4, 3, 4),
    (4, 'Содирова Алина Рашидовна', 'Содирова', 'Алина', 'Рашидовна', 5, 4, 5),
    (5, 'Равенко Игорь Петрович', 'Равенко', 'Игорь', 'Петрович', 7, 5, 10),
    (6, 'Громов Андрей Васильевич', 'Громов', 'Андрей', 'Васильевич', 6, 5, 7),
    (7, 'Белова Татьяна Ивановна', 'Белова', 'Татьяна', 'Ивановна', 8, 9, 8),
    (8, 'Иванов Пётр Сергеевич', 'Иванов', 'Пётр', 'Сергеевич', 9, 5, 9),
    (9, 'Смирнов Алексей Николаевич', 'Смирнов', 'Алексей', 'Николаевич', 10, 5, 9),
    (10, 'Попов Михаил Игоревич', 'Попов', 'Михаил', 'Игоревич', 12, 5, 9),
    (11, 'Новиков Евгений Андреевич', 'Новиков', 'Евгений', 'Андреевич', 11, 5, 9),
    (12, 'Васильев Николай Петрович', 'Васильев', 'Николай', 'Петрович', 13, 6, 9),
    (13, 'Морозов Виктор Павлович', 'Морозов', 'Виктор', 'Павлович', 9, 5, 9),
    (14, 'Орлов Сергей Геннадьевич', 'Орлов', 'Сергей', 'Геннадьевич', 1, 1, 2);

-- "sys" is the service-code login; it acts for the planner so that
-- "На склад" has a person to write.
INSERT INTO adm_user.users (id, s_name, s_caption, d_registered, b_active, id_person) VALUES
    (1, 'sys', 'Системная учётная запись', DATE '2025-01-09', true, 1),
    (2, 'econom', 'Кузнецова О. В.', DATE '2025-01-09', true, 2),
    (3, 'lurevna', 'Лаврова Л. Ю.', DATE '2025-01-09', true, 3),
    (4, 'sodira', 'Содирова А. Р.', DATE '2025-01-09', true, 4),
    (5, 'ravenko', 'Равенко И. П.', DATE '2025-01-09', true, 5),
    (6, 'master', 'Громов А. В.', DATE '2025-01-09', true, 6),
    (7, 'sklad', 'Белова Т. И.', DATE '2025-01-09', true, 7),
    (8, 'planner', 'Соколов Д. А.', DATE '2025-01-09', true, 1);

-- Database logins of the demo users. DEMO ONLY: each password equals the
-- login name (econom/econom, lurevna/lurevna, ...). Logins belong to the whole
-- cluster, so they are created once and reset on every rebuild.
-- Each login is a member of the group role of its rights, and of no other.
DO $$
DECLARE
    r record;
    g text;
BEGIN
    FOR r IN SELECT * FROM (VALUES
        ('econom', 'zorna_economist'),
        ('lurevna', 'zorna_restricted'), ('sodira', 'zorna_restricted'), ('ravenko', 'zorna_restricted'),
        ('master', 'zorna_user'), ('sklad', 'zorna_user'), ('planner', 'zorna_user')) AS t(login, grp)
    LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = r.login) THEN
            EXECUTE format('CREATE ROLE %I', r.login);
        END IF;
        EXECUTE format('ALTER ROLE %I WITH LOGIN INHERIT NOCREATEDB NOCREATEROLE PASSWORD %L', r.login, r.login);
        FOREACH g IN ARRAY ARRAY['zorna_user', 'zorna_restricted', 'zorna_economist', 'zorna_admin'] LOOP
            IF g = r.grp THEN
                EXECUTE format('GRANT %I TO %I', g, r.login);
            ELSE
                EXECUTE format('REVOKE %I FROM %I', g, r.login);
            END IF;
        END LOOP;
    END LOOP;
END
$$;
