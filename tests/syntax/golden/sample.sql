-- SQL sample
/* multi
   line */
SELECT id, "Quoted Name" FROM users WHERE age >= 18 AND name LIKE 'A%';
create table t (id integer primary key, price decimal(10, 2));
